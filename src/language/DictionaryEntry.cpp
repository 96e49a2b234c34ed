#include "language/DictionaryEntry.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

// An optional text key: absent or null is fine, another type makes the entry undecodable.
bool readOptionalText(const QJsonObject& object, const QString& key, std::optional<QString>& out)
{
    const QJsonValue value = object.value(key);
    if (value.isUndefined() || value.isNull())
        return true;
    if (!value.isString())
        return false;
    out = value.toString();
    return true;
}

std::optional<DictionaryEntry> decodeEntry(const QJsonValue& value)
{
    if (!value.isObject())
        return std::nullopt;
    const QJsonObject object = value.toObject();
    DictionaryEntry entry;
    if (!readOptionalText(object, QStringLiteral("phonetic"), entry.phonetic))
        return std::nullopt;
    const QJsonValue phonetics = object.value(QStringLiteral("phonetics"));
    if (!phonetics.isArray())
        return std::nullopt;
    for (const QJsonValue& item : phonetics.toArray()) {
        if (!item.isObject())
            return std::nullopt;
        DictionaryEntry::Phonetic phonetic;
        if (!readOptionalText(item.toObject(), QStringLiteral("text"), phonetic.text)
            || !readOptionalText(item.toObject(), QStringLiteral("audio"), phonetic.audio))
            return std::nullopt;
        entry.phonetics.append(phonetic);
    }
    return entry;
}

} // namespace

std::optional<DictionaryEntry> DictionaryEntry::firstOf(const QByteArray& body)
{
    const QJsonDocument document = QJsonDocument::fromJson(body);
    if (!document.isArray() || document.array().isEmpty())
        return std::nullopt;
    std::optional<DictionaryEntry> first;
    for (const QJsonValue& value : document.array()) {
        std::optional<DictionaryEntry> entry = decodeEntry(value);
        if (!entry)
            return std::nullopt; // one bad entry and the whole body does not decode
        if (!first)
            first = std::move(entry);
    }
    return first;
}

std::optional<QString> DictionaryEntry::transcription() const
{
    if (phonetic)
        return phonetic;
    for (const Phonetic& item : phonetics) {
        if (item.text && !item.text->isEmpty())
            return item.text;
    }
    return std::nullopt;
}

std::optional<QString> DictionaryEntry::audioLink() const
{
    for (const Phonetic& item : phonetics) {
        if (item.audio && !item.audio->isEmpty())
            return item.audio;
    }
    return std::nullopt;
}
