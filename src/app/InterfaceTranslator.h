#pragma once

#include <QObject>
#include <QTranslator>

#include <memory>

class InterfaceLanguagePreferences;

// Keeps the application's translator in step with the interface language. Russian is the
// source language, so it needs no translator. Installing one makes Qt send LanguageChange to
// every widget, which retranslates open windows at once.
class InterfaceTranslator : public QObject
{
    Q_OBJECT
public:
    explicit InterfaceTranslator(InterfaceLanguagePreferences& preferences, QObject* parent = nullptr);
    ~InterfaceTranslator() override;

    QString loadedLanguage() const { return m_loaded; }

Q_SIGNALS:
    void languageChanged();

private:
    void apply();

    InterfaceLanguagePreferences& m_preferences;
    std::unique_ptr<QTranslator> m_translator;
    QString m_loaded;
};
