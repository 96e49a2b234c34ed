#include "app/InterfaceTranslator.h"
#include "hotkeys/HotkeyActions.h"
#include "hotkeys/HotkeyManager.h"
#include "preferences/Preferences.h"
#include "settings/LanguageSettingsView.h"
#include "settings/OnboardingView.h"
#include "support/AccessibleTexts.h"
#include "support/TempXdgHome.h"

#include <QAbstractButton>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QTest>

Q_DECLARE_METATYPE(InterfaceLanguage)

class TestOnboardingView : public QObject
{
    Q_OBJECT

    std::unique_ptr<TempXdgHome> m_home;
    std::unique_ptr<Preferences> m_preferences;
    std::unique_ptr<InterfaceTranslator> m_translator;
    std::unique_ptr<OnboardingView> m_view;
    int m_closeRequests = 0;

    OnboardingView& view(QStringList preferred = { QStringLiteral("de-DE") })
    {
        if (!m_view) {
            OnboardingView::Options options;
            options.preferredLanguages = std::move(preferred);
            options.onRequestClose = [this] { ++m_closeRequests; };
            m_view = std::make_unique<OnboardingView>(m_preferences->interfaceLanguage(), options);
            m_view->resize(440, 560);
            m_view->show();
        }
        return *m_view;
    }

    template <typename T> T* find(const QString& name) { return view().findChild<T*>(name); }

    // The title shown on the current page.
    QString currentTitle()
    {
        auto* pages = find<QStackedWidget>(QStringLiteral("onboardingPages"));
        auto* title = pages->currentWidget()->findChild<QLabel*>(QStringLiteral("pageTitle"));
        return title ? title->text() : QString();
    }

    static bool pressable(QWidget* button) { return button->isVisible() && button->isEnabled(); }

private Q_SLOTS:
    void init()
    {
        m_home = std::make_unique<TempXdgHome>();
        m_preferences = std::make_unique<Preferences>(m_home->defaultsFile());
        m_translator = std::make_unique<InterfaceTranslator>(m_preferences->interfaceLanguage());
        m_closeRequests = 0;
    }

    void cleanup()
    {
        m_view.reset();
        m_translator.reset();
        m_preferences.reset();
        m_home.reset();
    }

    void suggestedLanguage_data()
    {
        QTest::addColumn<QStringList>("preferred");
        QTest::addColumn<InterfaceLanguage>("suggested");
        // clang-format off
        QTest::newRow("de-DE, fr-FR, en-US") << QStringList { "de-DE", "fr-FR", "en-US" } << InterfaceLanguage::Fr;
        QTest::newRow("de-DE alone") << QStringList { "de-DE" } << InterfaceLanguage::Ru;
        QTest::newRow("empty list") << QStringList() << InterfaceLanguage::Ru;
        QTest::newRow("POSIX locale names") << QStringList { "en_GB.UTF-8" } << InterfaceLanguage::En;
        QTest::newRow("C and POSIX match nothing") << QStringList { "C", "POSIX", "ja-JP" } << InterfaceLanguage::Ja;
        QTest::newRow("script subtag") << QStringList { "zh-Hans-CN" } << InterfaceLanguage::Zh;
        QTest::newRow("no language part") << QStringList { "-ES", "_ES", "es" } << InterfaceLanguage::Es;
        QTest::newRow("upper case") << QStringList { "FR-ca" } << InterfaceLanguage::Fr;
        QTest::newRow("three-letter code matches nothing") << QStringList { "rus", "en" } << InterfaceLanguage::En;
        // clang-format on
    }

    void suggestedLanguage()
    {
        QFETCH(QStringList, preferred);
        QFETCH(InterfaceLanguage, suggested);
        QCOMPARE(OnboardingView::suggestedLanguage(preferred), suggested);
    }

    void badgeStandsOnTheSuggestedLanguage_data()
    {
        QTest::addColumn<QStringList>("preferred");
        QTest::addColumn<QString>("row");
        QTest::newRow("de-DE, fr-FR, en-US") << QStringList { "de-DE", "fr-FR", "en-US" } << "languageRow_fr";
        QTest::newRow("de-DE alone") << QStringList { "de-DE" } << "languageRow_ru";
    }

    void badgeStandsOnTheSuggestedLanguage()
    {
        QFETCH(QStringList, preferred);
        QFETCH(QString, row);
        view(preferred);
        const QList<QLabel*> badges = view().findChildren<QLabel*>(QStringLiteral("suggestedBadge"));
        QCOMPARE(badges.size(), 1);
        QCOMPARE(badges.first()->parentWidget()->objectName(), row);
        QCOMPARE(badges.first()->text(), QStringLiteral("рекомендуем"));
    }

    // Picking a language stores it, shows page 1 and translates the guide and every other window.
    void pickingALanguageRetranslatesAtOnce()
    {
        HotkeyManager hotkeys(m_preferences->store());
        HotkeyActions::registerDefaults(hotkeys);
        LanguageSettingsView settings(*m_preferences, hotkeys, {});
        view();
        QTest::mouseClick(find<QPushButton>(QStringLiteral("languageRow_en")), Qt::LeftButton);
        QCOMPARE(m_preferences->interfaceLanguage().languageCode(), std::optional(QStringLiteral("en")));
        QCOMPARE(view().pageIndex(), 1);
        QTRY_COMPARE(currentTitle(), QStringLiteral("Welcome to Quillmoor"));
        QCOMPARE(find<QPushButton>(QStringLiteral("onboardingNext"))->text(), QStringLiteral("Next"));
        QCOMPARE(settings.findChild<QPushButton*>(QStringLiteral("downloadPacksButton"))->text(),
            QStringLiteral("Download…"));
        // Back on page 0, another language.
        view().setPageIndex(0);
        QTest::mouseClick(find<QPushButton>(QStringLiteral("languageRow_fr")), Qt::LeftButton);
        QTRY_COMPARE(currentTitle(), QStringLiteral("Bienvenue dans Quillmoor"));
        QCOMPARE(settings.findChild<QPushButton*>(QStringLiteral("downloadPacksButton"))->text(),
            QStringLiteral("Télécharger…"));
    }

    void navigation_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<bool>("back");
        QTest::addColumn<bool>("next");
        QTest::addColumn<bool>("finish");
        QTest::newRow("language page") << 0 << false << true << false;
        for (int page = 1; page < OnboardingView::kContentPages; ++page)
            QTest::addRow("page %d", page) << page << true << true << false;
        QTest::newRow("last page") << 9 << true << false << true;
    }

    // Each page is reached with "Далее" from the language page.
    void navigation()
    {
        QFETCH(int, page);
        QFETCH(bool, back);
        QFETCH(bool, next);
        QFETCH(bool, finish);
        auto* nextButton = find<QPushButton>(QStringLiteral("onboardingNext"));
        for (int i = 0; i < page; ++i)
            QTest::mouseClick(nextButton, Qt::LeftButton);
        QCOMPARE(view().pageIndex(), page);
        QCOMPARE(pressable(find<QPushButton>(QStringLiteral("onboardingBack"))), back);
        QCOMPARE(pressable(nextButton), next);
        QCOMPARE(find<QPushButton>(QStringLiteral("finishButton"))->isVisible(), finish);
        QCOMPARE(find<QWidget>(QStringLiteral("pageDots"))->findChildren<QAbstractButton*>().size(), 10);
        if (back) {
            QTest::mouseClick(find<QPushButton>(QStringLiteral("onboardingBack")), Qt::LeftButton);
            QCOMPARE(view().pageIndex(), page - 1);
        }
    }

    // The hidden buttons keep their place: the dots do not move between pages.
    void dotsStayInPlace()
    {
        QWidget* dots = find<QWidget>(QStringLiteral("pageDots"));
        const QPoint onFirst = dots->mapTo(&view(), QPoint());
        // The last page hides "Далее"; the dots keep their place.
        view().setPageIndex(9);
        QCoreApplication::processEvents();
        QCOMPARE(dots->mapTo(&view(), QPoint()).x(), onFirst.x());
    }

    void tenthDotShowsTheLastPage()
    {
        QTest::mouseClick(find<QAbstractButton>(QStringLiteral("pageDot9")), Qt::LeftButton);
        QCOMPARE(view().pageIndex(), 9);
        QCOMPARE(currentTitle(), QStringLiteral("Горячие клавиши"));
        auto* finish = find<QPushButton>(QStringLiteral("finishButton"));
        QVERIFY(finish->isVisible());
        QCOMPARE(finish->text(), QStringLiteral("Приступить к изучению"));
        QTest::mouseClick(finish, Qt::LeftButton);
        QCOMPARE(m_closeRequests, 1);
        QTest::mouseClick(find<QAbstractButton>(QStringLiteral("pageDot6")), Qt::LeftButton);
        QCOMPARE(view().pageIndex(), 6);
        QVERIFY(find<QWidget>(QStringLiteral("forgettingCurve"))->isVisible());
    }

    // A screen reader reads the painted parts too: the dots, the guide row, the badge.
    void screenReaderReadsThePaintedParts()
    {
        view({ QStringLiteral("ja-JP") });
        HotkeyManager hotkeys(m_preferences->store());
        LanguageSettingsView settings(*m_preferences, hotkeys, {});
        settings.show();
        QVERIFY(QTest::qWaitForWindowExposed(&settings));
        const QStringList read = accessibleTextsOfThisProcess();
        for (const QString& text :
            { QStringLiteral("Страница 10 из 10"), QStringLiteral("рекомендуем"), QStringLiteral("日本語"),
                QStringLiteral("Как подключить Anki к Quillmoor"), QStringLiteral("ХОТКЕИ") })
            QVERIFY2(read.contains(text), qPrintable(text + QStringLiteral(" is not read: ") + read.join('|')));
    }

    // The texts that name keys and places name this platform's.
    void textsNameLinuxKeysAndPlaces()
    {
        QStringList bodies;
        for (int page = 1; page <= OnboardingView::kContentPages; ++page) {
            auto* content = find<QWidget>(QStringLiteral("onboardingPage%1").arg(page));
            bodies << content->findChild<QLabel*>(QStringLiteral("pageBody"))->text();
        }
        QCOMPARE(bodies.size(), OnboardingView::kContentPages);
        QVERIFY(bodies[0].contains(QStringLiteral("(по умолчанию Alt)")));
        QVERIFY(bodies[7].contains(QStringLiteral("gnome-shell-extension-appindicator")));
        QVERIFY(!bodies[7].contains(QStringLiteral("Dock")));
        for (const char* key : { "Alt —", "Ctrl+Alt —", "Super+Shift —", "Ctrl+Alt+Shift —" })
            QVERIFY2(bodies[8].contains(QString::fromUtf8(key)), key);
        QVERIFY(!bodies.join(' ').contains(QStringLiteral("Option")));
        QVERIFY(!bodies.join(' ').contains(QStringLiteral("⌘")));
    }
};

QTEST_MAIN(TestOnboardingView)
#include "TestOnboardingView.moc"
