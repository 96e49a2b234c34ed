#pragma once

#include <QLocale>
#include <QObject>

#include <optional>

class DefaultsStore;

class InterfaceLanguagePreferences : public QObject
{
    Q_OBJECT
public:
    static inline const QString kLanguageCodeKey = QStringLiteral("interface.languageCode");

    explicit InterfaceLanguagePreferences(DefaultsStore& store, QObject* parent = nullptr);

    // Absent means Russian, the language the texts are written in.
    std::optional<QString> languageCode() const { return m_languageCode; }
    void setLanguageCode(const std::optional<QString>& code);

    // The code in force: the stored one or "ru".
    QString effectiveLanguageCode() const { return m_languageCode.value_or(QStringLiteral("ru")); }
    QLocale locale() const { return QLocale(effectiveLanguageCode()); }

Q_SIGNALS:
    void languageCodeChanged();

private:
    DefaultsStore& m_store;
    std::optional<QString> m_languageCode;
};
