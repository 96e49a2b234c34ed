#include "app/AppDelegate.h"
#include "app/AppSectionNavBar.h"
#include "app/GlobalHotkeyInstaller.h"
#include "app/GrammarWindowController.h"
#include "app/InterfaceTranslator.h"
#include "app/LanguageSettingsWindowController.h"
#include "app/OnboardingWindowController.h"
#include "app/QuillmoorApp.h"
#include "app/ReviewWindowController.h"
#include "app/SectionWindow.h"
#include "app/TrayIconController.h"
#include "hotkeys/HotkeyManager.h"
#include "panels/QuickLookupWindow.h"
#include "preferences/Preferences.h"
#include "support/TempXdgHome.h"
#include "support/Waits.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSystemTrayIcon>
#include <QTest>

class TestTrayShell : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TempXdgHome> m_home;
    std::unique_ptr<QuillmoorApp> m_app;

    QuillmoorApp& makeApp(bool onboarded, std::optional<QString> target = QStringLiteral("ru"))
    {
        {
            Preferences seed(m_home->defaultsFile());
            seed.onboarding().setHasCompletedOnboarding(onboarded);
            seed.translation().setTargetLanguageCode(target);
        }
        m_app = QuillmoorApp::create({ m_home->defaultsFile(), m_home->diagnosticsFile(), m_home->cardsFile() });
        return *m_app;
    }

    static QStringList menuTexts(QMenu* menu)
    {
        QStringList texts;
        for (QAction* action : menu->actions())
            texts << (action->isSeparator() ? QStringLiteral("—") : action->text());
        return texts;
    }

    static QList<SectionWindow*> visibleSections()
    {
        QList<SectionWindow*> open;
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (auto* window = qobject_cast<SectionWindow*>(widget); window && window->isVisible())
                open << window;
        }
        return open;
    }

private Q_SLOTS:
    void init()
    {
        m_home = std::make_unique<TempXdgHome>();
        TrayIconController::kRetryCount = 3;
        TrayIconController::kRetryIntervalMs = 100;
    }

    void cleanup()
    {
        m_app.reset();
        m_home.reset();
    }

    void trayIconIsShown()
    {
        QVERIFY2(Waits::waitUntil([] { return QSystemTrayIcon::isSystemTrayAvailable(); }, 20000),
            "no tray host is running in this session");
        QuillmoorApp& app = makeApp(true);
        app.start();
        QTRY_VERIFY(app.tray().trayIcon()->isVisible());
        QVERIFY(visibleSections().isEmpty());
    }

    void menuItemsInOrder_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("unset is Russian")
            << QString()
            << QStringList { "Quick Lookup…", "Повторение…", "Грамматика…", "Language Settings…", "Как это работает…",
                   "Отправить фидбек…", "—", "Quit" };
        QTest::newRow("English") << "en"
                                 << QStringList { "Quick Lookup…", "Review…", "Grammar…", "Language Settings…",
                                        "How It Works…", "Send Feedback…", "—", "Quit" };
        QTest::newRow("French") << "fr"
                                << QStringList { "Recherche rapide…", "Révision…", "Grammaire…", "Réglages de langue…",
                                       "Comment ça marche…", "Envoyer un avis…", "—", "Quitter" };
    }

    void menuItemsInOrder()
    {
        QFETCH(QString, language);
        QFETCH(QStringList, texts);
        QuillmoorApp& app = makeApp(true);
        app.preferences().interfaceLanguage().setLanguageCode(
            language.isEmpty() ? std::nullopt : std::optional(language));
        QTRY_COMPARE(menuTexts(app.tray().menu()), texts);
    }

    void languageSwitchRetranslatesOpenWindows()
    {
        QuillmoorApp& app = makeApp(true);
        app.delegate().showReview();
        SectionWindow* review = app.delegate().reviewWindowController()->window();
        QCOMPARE(review->windowTitle(), QStringLiteral("Повторение"));
        auto* grammarButton = review->findChild<QPushButton*>(QStringLiteral("navGrammar"));
        QVERIFY(grammarButton);
        QCOMPARE(grammarButton->text(), QStringLiteral("Грамматика"));

        auto* heading = review->findChild<QLabel*>(QStringLiteral("sectionHeading"));
        QVERIFY(heading);
        QCOMPARE(heading->text(), QStringLiteral("Повторение"));

        app.preferences().interfaceLanguage().setLanguageCode(QStringLiteral("ja"));
        QTRY_COMPARE(review->windowTitle(), QStringLiteral("復習"));
        QTRY_COMPARE(heading->text(), QStringLiteral("復習"));
        QTRY_COMPARE(grammarButton->text(), QStringLiteral("文法"));
        QCOMPARE(app.tray().menu()->actions().constFirst()->text(), QStringLiteral("クイック検索…"));

        app.preferences().interfaceLanguage().setLanguageCode(std::nullopt);
        QTRY_COMPARE(review->windowTitle(), QStringLiteral("Повторение"));
    }

    void firstLaunchOpensOnboardingThenSettings()
    {
        QuillmoorApp& app = makeApp(false, std::nullopt);
        app.start();
        OnboardingWindowController* onboarding = app.delegate().onboardingWindowController();
        QVERIFY(onboarding);
        QTRY_VERIFY(onboarding->window()->isVisible());
        QCOMPARE(onboarding->window()->windowTitle(), QStringLiteral("Quillmoor"));

        onboarding->window()->close();
        QTRY_VERIFY(app.delegate().languageSettingsWindowController());
        QTRY_VERIFY(app.delegate().languageSettingsWindowController()->window()->isVisible());
        QVERIFY(app.preferences().onboarding().hasCompletedOnboarding());
        QVERIFY(!onboarding->window()->isVisible());
    }

    void launchRouting_data()
    {
        QTest::addColumn<bool>("onboarded");
        QTest::addColumn<bool>("hasTarget");
        QTest::addColumn<QString>("opened");
        QTest::newRow("first run") << false << false << "onboardingWindow";
        QTest::newRow("onboarded, no target") << true << false << "languageSettingsWindow";
        QTest::newRow("set up") << true << true << "";
    }

    void launchRouting()
    {
        QFETCH(bool, onboarded);
        QFETCH(bool, hasTarget);
        QFETCH(QString, opened);
        QuillmoorApp& app = makeApp(onboarded, hasTarget ? std::optional(QStringLiteral("en")) : std::nullopt);
        app.delegate().applicationDidFinishLaunching();
        QStringList names;
        for (SectionWindow* window : visibleSections())
            names << window->objectName();
        QCOMPARE(names, opened.isEmpty() ? QStringList() : QStringList { opened });
    }

    void reopenedGuideDoesNotOpenSettings()
    {
        QuillmoorApp& app = makeApp(true, std::nullopt);
        app.delegate().showOnboarding();
        app.delegate().onboardingWindowController()->window()->close();
        QTest::qWait(0);
        QCoreApplication::processEvents();
        QVERIFY(!app.delegate().languageSettingsWindowController());
    }

    void oneSectionAtATime()
    {
        QuillmoorApp& app = makeApp(true);
        app.delegate().showLanguageSettings();
        LanguageSettingsWindowController* settings = app.delegate().languageSettingsWindowController();
        QTRY_VERIFY(settings->window()->isVisible());

        app.delegate().showReview();
        QVERIFY(!settings->window()->isVisible());
        QCOMPARE(visibleSections().size(), 1);
        ReviewWindowController* firstReview = app.delegate().reviewWindowController();

        app.delegate().showReview();
        QVERIFY(app.delegate().reviewWindowController() != firstReview);

        app.delegate().showLanguageSettings();
        QCOMPARE(app.delegate().languageSettingsWindowController(), settings);
        QCOMPARE(visibleSections(), QList<SectionWindow*> { settings->window() });
    }

    void navBarShowsTheOtherSections()
    {
        QuillmoorApp& app = makeApp(true);
        app.delegate().applicationDidFinishLaunching();
        app.delegate().showReview();
        SectionWindow* review = app.delegate().reviewWindowController()->window();
        QStringList labels;
        for (QPushButton* button : review->navBar()->findChildren<QPushButton*>())
            labels << button->text();
        QCOMPARE(labels, (QStringList { "Грамматика", "Настройки", "Как это работает" }));
        QVERIFY(!review->findChild<QPushButton*>(QStringLiteral("navReview")));

        QTest::mouseClick(review->findChild<QPushButton*>(QStringLiteral("navLanguageSettings")), Qt::LeftButton);
        QVERIFY(!review->isVisible());
        QTRY_VERIFY(app.delegate().languageSettingsWindowController()->window()->isVisible());
    }

    void sectionWindowSizes_data()
    {
        QTest::addColumn<int>("section");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QSize>("minimum");
        QTest::newRow("review") << int(AppSection::Review) << QSize(440, 590) << QSize(380, 460);
        QTest::newRow("grammar") << int(AppSection::Grammar) << QSize(480, 610) << QSize(400, 460);
    }

    void sectionWindowSizes()
    {
        QFETCH(int, section);
        QFETCH(QSize, size);
        QFETCH(QSize, minimum);
        QuillmoorApp& app = makeApp(true);
        app.delegate().showSection(AppSection(section));
        SectionWindow* window = section == int(AppSection::Review) ? app.delegate().reviewWindowController()->window()
                                                                   : app.delegate().grammarWindowController()->window();
        QCOMPARE(window->size(), size);
        QCOMPARE(window->minimumSize(), minimum);
        QVERIFY(!(window->windowFlags() & Qt::WindowMinimizeButtonHint));
        QVERIFY(!window->testAttribute(Qt::WA_DeleteOnClose));
    }

    void settingsWindowGrowsOnlyVertically()
    {
        QuillmoorApp& app = makeApp(true);
        app.delegate().showLanguageSettings();
        SectionWindow* window = app.delegate().languageSettingsWindowController()->window();
        QCOMPARE(window->width(), 408);
        QCOMPARE(window->height(), LanguageSettingsWindowController::initialHeight());
        QVERIFY(window->height() <= 640);
        QCOMPARE(window->maximumWidth(), 408);
        QCOMPARE(window->minimumSize(), QSize(408, 320));
    }

    void launchRegistersAndInstallsTriggers()
    {
        QuillmoorApp& app = makeApp(true);
        app.start();
        QCOMPARE(app.hotkeyManager().actions().size(), 4);
        QVERIFY(app.hotkeyInstaller().isInstalled());
        // No word is under the pointer: the flows run, find nothing and survive.
        app.delegate().fire(HotkeyAction::Word);
        app.delegate().fire(HotkeyAction::Selection);
        app.delegate().fire(HotkeyAction::QuickLookup);
        app.delegate().fire(HotkeyAction::GrammarAnalysis);
        QCOMPARE(app.delegate().captureGeneration(), 3);
        QVERIFY(app.quickLookupPanel()->window().isVisible()); // the quick-lookup trigger opened it
        app.delegate().applicationWillTerminate();
        QVERIFY(!app.hotkeyInstaller().isInstalled());
    }

    void trayItemOpensQuickLookup()
    {
        QuillmoorApp& app = makeApp(true);
        app.start();
        QVERIFY(app.quickLookupPanel());
        QVERIFY(!app.quickLookupPanel()->window().isVisible());
        app.tray().menu()->actions().first()->trigger();
        QVERIFY(app.quickLookupPanel()->window().isVisible());
        QVERIFY(app.quickLookupPanel()->view()->field().text().isEmpty());
    }
};

QTEST_MAIN(TestTrayShell)
#include "TestTrayShell.moc"
