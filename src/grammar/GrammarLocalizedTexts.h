#pragma once

#include "preferences/InterfaceLanguage.h"

#include <QHash>
#include <QString>

class QJsonValue;

// The optional "localized" object of a course topic or exercise: texts for interface languages
// other than Russian, the language the course is written in. English stands in for an interface
// language whose own texts a course does not have yet, so nobody but a Russian reader gets Russian.
class GrammarLocalizedTexts
{
public:
    // Reads {"en": {"title": "…", …}, …}; values that are not objects of strings are left out
    // (the object is optional and never makes a course unreadable).
    static GrammarLocalizedTexts fromJson(const QJsonValue& value);

    // The text for the interface language, falling back to English, then to the source text.
    QString text(InterfaceLanguage language, const QString& key, const QString& source) const;
    QList<QString> languages() const { return m_texts.keys(); }
    QHash<QString, QString> textsOf(const QString& language) const { return m_texts.value(language); }
    bool isEmpty() const { return m_texts.isEmpty(); }

private:
    QHash<QString, QHash<QString, QString>> m_texts;
};
