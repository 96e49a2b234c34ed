#include "grammar/GrammarBankFile.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>
#include <stdexcept>

namespace {

// Thrown inside the decoder only, with the path of the offending value; decode() turns it into
// its error text.
struct DecodeError : std::runtime_error
{
    using std::runtime_error::runtime_error;
};

[[noreturn]] void fail(const QString& path, const QString& what)
{
    throw DecodeError((path + QStringLiteral(": ") + what).toStdString());
}

// An absent key and an explicit null are both "not present", as for optional keys in JSON decoders.
bool present(const QJsonObject& object, const QString& key)
{
    return object.contains(key) && !object.value(key).isNull();
}

QJsonValue required(const QJsonObject& object, const QString& key, const QString& path)
{
    if (!present(object, key))
        fail(path, QStringLiteral("missing key \"%1\"").arg(key));
    return object.value(key);
}

QString stringValue(const QJsonValue& value, const QString& path)
{
    if (!value.isString())
        fail(path, QStringLiteral("expected a string"));
    return value.toString();
}

QString requiredString(const QJsonObject& object, const QString& key, const QString& path)
{
    return stringValue(required(object, key, path), path + QLatin1Char('.') + key);
}

QString optionalString(const QJsonObject& object, const QString& key, const QString& path)
{
    return present(object, key) ? stringValue(object.value(key), path + QLatin1Char('.') + key) : QString();
}

QJsonArray arrayValue(const QJsonValue& value, const QString& path)
{
    if (!value.isArray())
        fail(path, QStringLiteral("expected an array"));
    return value.toArray();
}

QJsonObject objectValue(const QJsonValue& value, const QString& path)
{
    if (!value.isObject())
        fail(path, QStringLiteral("expected an object"));
    return value.toObject();
}

QStringList optionalStrings(const QJsonObject& object, const QString& key, const QString& path)
{
    if (!present(object, key))
        return {};
    const QString where = path + QLatin1Char('.') + key;
    QStringList strings;
    const QJsonArray array = arrayValue(object.value(key), where);
    for (qsizetype i = 0; i < array.size(); ++i)
        strings.append(stringValue(array.at(i), QStringLiteral("%1[%2]").arg(where).arg(i)));
    return strings;
}

qint64 integerValue(const QJsonValue& value, const QString& path)
{
    const double number = value.toDouble();
    if (!value.isDouble() || std::trunc(number) != number || std::abs(number) > 9.0e15)
        fail(path, QStringLiteral("expected an integer"));
    return static_cast<qint64>(number);
}

GrammarBankExercise decodeExercise(const QJsonObject& object, const QString& path)
{
    GrammarBankExercise exercise;
    exercise.id = requiredString(object, QStringLiteral("id"), path);
    const QString type = requiredString(object, QStringLiteral("type"), path);
    const auto parsedType = GrammarExerciseTypes::fromRawValue(type);
    if (!parsedType)
        fail(path + QStringLiteral(".type"), QStringLiteral("unknown exercise type \"%1\"").arg(type));
    exercise.type = *parsedType;
    exercise.prompt = requiredString(object, QStringLiteral("prompt"), path);
    exercise.choices = optionalStrings(object, QStringLiteral("choices"), path);
    exercise.correctAnswer = requiredString(object, QStringLiteral("correctAnswer"), path);
    exercise.explanation = requiredString(object, QStringLiteral("explanation"), path);
    exercise.localized = GrammarLocalizedTexts::fromJson(object.value(QStringLiteral("localized")));
    return exercise;
}

GrammarBankTopic decodeTopic(const QJsonObject& object, const QString& path)
{
    GrammarBankTopic topic;
    topic.id = requiredString(object, QStringLiteral("id"), path);
    topic.title = requiredString(object, QStringLiteral("title"), path);
    topic.subtitle = requiredString(object, QStringLiteral("subtitle"), path);
    topic.systemImage = requiredString(object, QStringLiteral("systemImage"), path);
    if (present(object, QStringLiteral("level"))) {
        const QString level = optionalString(object, QStringLiteral("level"), path);
        const auto parsed = GrammarLevels::fromRawValue(level);
        if (!parsed)
            fail(path + QStringLiteral(".level"), QStringLiteral("unknown level \"%1\"").arg(level));
        topic.level = *parsed;
    }
    topic.theory = optionalString(object, QStringLiteral("theory"), path);
    topic.searchKeywords = optionalStrings(object, QStringLiteral("searchKeywords"), path);
    const QString exercisesPath = path + QStringLiteral(".exercises");
    const QJsonArray exercises = arrayValue(required(object, QStringLiteral("exercises"), path), exercisesPath);
    for (qsizetype i = 0; i < exercises.size(); ++i) {
        const QString where = QStringLiteral("%1[%2]").arg(exercisesPath).arg(i);
        topic.exercises.append(decodeExercise(objectValue(exercises.at(i), where), where));
    }
    topic.localized = GrammarLocalizedTexts::fromJson(object.value(QStringLiteral("localized")));
    return topic;
}

} // namespace

std::optional<GrammarBankFile> GrammarBankFile::decode(const QByteArray& json, QString* error)
{
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        *error = QStringLiteral("%1 at offset %2").arg(parseError.errorString()).arg(parseError.offset);
        return std::nullopt;
    }
    try {
        const QJsonObject root
            = objectValue(document.isObject() ? QJsonValue(document.object()) : QJsonValue(), QStringLiteral("file"));
        GrammarBankFile file;
        file.version = integerValue(
            required(root, QStringLiteral("version"), QStringLiteral("file")), QStringLiteral("version"));
        file.languageCode = requiredString(root, QStringLiteral("languageCode"), QStringLiteral("file"));
        const QJsonArray topics
            = arrayValue(required(root, QStringLiteral("topics"), QStringLiteral("file")), QStringLiteral("topics"));
        for (qsizetype i = 0; i < topics.size(); ++i) {
            const QString where = QStringLiteral("topics[%1]").arg(i);
            file.topics.append(decodeTopic(objectValue(topics.at(i), where), where));
        }
        return file;
    } catch (const DecodeError& decodeError) {
        *error = QString::fromStdString(decodeError.what());
        return std::nullopt;
    }
}
