#pragma once

#include "preferences/InterfaceLanguage.h"

#include <QStringList>
#include <QWidget>

#include <functional>

class InterfaceLanguagePreferences;
class PageDots;
class QLabel;
class QPushButton;
class QStackedWidget;
class PageTransition;

// The first-run guide: a page to pick the interface language, then nine pages about the product,
// with "Назад", page dots and "Далее" below, and on the last page the button that ends the guide.
class OnboardingView : public QWidget
{
    Q_OBJECT
public:
    static constexpr int kContentPages = 9;

    struct Options
    {
        // The system's preferred languages, most preferred first; QLocale::uiLanguages() when empty.
        QStringList preferredLanguages;
        // Closes the guide's window.
        std::function<void()> onRequestClose;
    };

    OnboardingView(InterfaceLanguagePreferences& language, Options options, QWidget* parent = nullptr);

    int pageIndex() const { return m_pageIndex; }
    // Shows page 0 (the language page) to 9; the new page grows in and fades in.
    void setPageIndex(int index);
    InterfaceLanguage suggested() const { return m_suggested; }

    // The first preferred language whose language part (before '-' or '_') is an interface
    // language; Russian when none is.
    static InterfaceLanguage suggestedLanguage(const QStringList& preferredLanguages);

protected:
    void changeEvent(QEvent* event) override;

private:
    QWidget* buildLanguagePage();
    QWidget* buildContentPage(int number);
    void chooseLanguage(InterfaceLanguage language);
    void refreshNavigation();
    void retranslate();

    InterfaceLanguagePreferences& m_language;
    Options m_options;
    InterfaceLanguage m_suggested;
    int m_pageIndex = 0;

    QStackedWidget* m_pages = nullptr;
    PageTransition* m_transition = nullptr;
    QLabel* m_languageTitle = nullptr;
    QLabel* m_languageHint = nullptr;
    QLabel* m_badge = nullptr;
    QList<QLabel*> m_titles;
    QList<QLabel*> m_bodies;
    QPushButton* m_back = nullptr;
    PageDots* m_dots = nullptr;
    QPushButton* m_next = nullptr;
    QPushButton* m_finish = nullptr;
};
