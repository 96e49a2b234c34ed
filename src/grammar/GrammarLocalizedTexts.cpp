#include "grammar/GrammarLocalizedTexts.h"

#include <QJsonObject>
#include <QJsonValue>

GrammarLocalizedTexts GrammarLocalizedTexts::fromJson(const QJsonValue& value)
{
    GrammarLocalizedTexts texts;
    const QJsonObject languages = value.toObject();
    for (auto language = languages.begin(); language != languages.end(); ++language) {
        const QJsonObject fields = language.value().toObject();
        QHash<QString, QString> strings;
        for (auto field = fields.begin(); field != fields.end(); ++field) {
            if (field.value().isString())
                strings.insert(field.key(), field.value().toString());
        }
        if (!strings.isEmpty())
            texts.m_texts.insert(language.key(), strings);
    }
    return texts;
}

QString GrammarLocalizedTexts::text(InterfaceLanguage language, const QString& key, const QString& source) const
{
    if (language == InterfaceLanguage::Ru)
        return source;
    for (const QString& code : { InterfaceLanguages::rawValue(language), QStringLiteral("en") }) {
        const QString text = m_texts.value(code).value(key);
        if (!text.isEmpty())
            return text;
    }
    return source;
}
