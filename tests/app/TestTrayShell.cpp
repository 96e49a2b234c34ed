#include "app/AppDelegate.h"
#include "app/AppSectionNavBar.h"
#include "app/GlobalHotkeyInstaller.h"
#include "app/GrammarWindowController.h"
#include "app/InterfaceTranslator.h"
#include "app/LanguageSettingsWindowController.h"
#include "app/NoTrayWindow.h"
#include "app/OnboardingWindowController.h"
#include "app/QuillmoorApp.h"
#include "app/ReviewWindowController.h"
#include "app/SectionWindow.h"
#include "app/TrayIconController.h"
#include "hotkeys/HotkeyManager.h"
#include "panels/QuickLookupWindow.h"
#include "preferences/Preferences.h"
#include "review/NotificationService.h"
#include "settings/LanguageSettingsView.h"
#include "settings/OnboardingView.h"
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
#include <QToolButton>

#include <algorithm>

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

    void trayIconAndItsQuickLookup()
    {
        QVERIFY2(Waits::waitUntil([] { return QSystemTrayIcon::isSystemTrayAvailable(); }, 20000),
            "no tray host is running in this session");
        QuillmoorApp& app = makeApp(true);
        app.start();
        QTRY_VERIFY(app.tray().trayIcon()->isVisible());
        QVERIFY(visibleSections().isEmpty());
        QVERIFY(!app.quickLookupPanel()->window().isVisible());
        app.tray().menu()->actions().first()->trigger();
        QVERIFY(app.quickLookupPanel()->window().isVisible());
        QVERIFY(app.quickLookupPanel()->view()->field().text().isEmpty());

        // Where no notification server runs, the icon's balloon shows a notification.
        app.tray().showMessage(QStringLiteral("Quillmoor"), QStringLiteral("Карточек: 3"));
        const auto balloonShown = [] {
            const QWidgetList windows = QApplication::topLevelWidgets();
            return std::ranges::any_of(windows, [](const QWidget* widget) {
                return widget->isVisible()
                    && std::ranges::any_of(widget->findChildren<QLabel*>(),
                        [](const QLabel* label) { return label->text() == QStringLiteral("Карточек: 3"); });
            });
        };
        QTRY_VERIFY(balloonShown());
    }

    void languageSwitchRetranslatesMenuAndWindows()
    {
        QuillmoorApp& app = makeApp(true);
        app.delegate().showReview();
        SectionWindow* review = app.delegate().reviewWindowController()->window();
        auto* grammarButton = review->findChild<QPushButton*>(QStringLiteral("navGrammar"));
        auto* heading = review->findChild<QLabel*>(QStringLiteral("sectionHeading"));
        QVERIFY(grammarButton && heading);
        // Unset is Russian (the translations themselves are TestTranslations'); the items in order.
        QCOMPARE(menuTexts(app.tray().menu()),
            (QStringList { "Quick Lookup…", "Повторение…", "Грамматика…", "Language Settings…", "Как это работает…",
                "Отправить фидбек…", "—", "Quit" }));
        QCOMPARE(review->windowTitle(), QStringLiteral("Повторение"));
        QCOMPARE(heading->text(), QStringLiteral("Повторение"));
        QCOMPARE(grammarButton->text(), QStringLiteral("Грамматика"));

        app.preferences().interfaceLanguage().setLanguageCode(QStringLiteral("ja"));
        QTRY_COMPARE(review->windowTitle(), QStringLiteral("復習"));
        QTRY_COMPARE(heading->text(), QStringLiteral("復習"));
        QTRY_COMPARE(grammarButton->text(), QStringLiteral("文法"));
        QCOMPARE(app.tray().menu()->actions().constFirst()->text(), QStringLiteral("クイック検索…"));
        app.preferences().interfaceLanguage().setLanguageCode(std::nullopt);
        QTRY_COMPARE(review->windowTitle(), QStringLiteral("Повторение"));
    }

    void launchAndClosingTheGuide_data()
    {
        QTest::addColumn<bool>("onboarded");
        QTest::addColumn<bool>("hasTarget");
        QTest::addColumn<QString>("opened");
        QTest::addColumn<bool>("settingsAfterGuide");
        QTest::newRow("first run") << false << false << "onboardingWindow" << true;
        QTest::newRow("first run with a target") << false << true << "onboardingWindow" << false;
        QTest::newRow("onboarded, no target: guide reopened") << true << false << "languageSettingsWindow" << false;
        QTest::newRow("set up") << true << true << "" << false;
    }

    void launchAndClosingTheGuide()
    {
        QFETCH(bool, onboarded);
        QFETCH(bool, hasTarget);
        QFETCH(QString, opened);
        QFETCH(bool, settingsAfterGuide);
        QuillmoorApp& app = makeApp(onboarded, hasTarget ? std::optional(QStringLiteral("en")) : std::nullopt);
        app.delegate().applicationDidFinishLaunching();
        QStringList names;
        for (SectionWindow* window : visibleSections())
            names << window->objectName();
        QCOMPARE(names, opened.isEmpty() ? QStringList() : QStringList { opened });
        app.delegate().showOnboarding();
        SectionWindow* guide = app.delegate().onboardingWindowController()->window();
        QTRY_VERIFY(guide->isVisible());
        guide->close();
        QTest::qWait(0);
        QCoreApplication::processEvents();
        QVERIFY(app.preferences().onboarding().hasCompletedOnboarding());
        LanguageSettingsWindowController* settings = app.delegate().languageSettingsWindowController();
        QTRY_COMPARE(settings && settings->window()->isVisible(), settingsAfterGuide);
        QVERIFY(!guide->isVisible());
    }

    void oneSectionAtATimeAndTheNavBar()
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

        // The bar leads to the other sections.
        SectionWindow* review = app.delegate().reviewWindowController()->window();
        QStringList labels;
        for (QPushButton* button : review->navBar()->findChildren<QPushButton*>())
            labels << button->text();
        QCOMPARE(labels, (QStringList { "Грамматика", "Настройки", "Как это работает" }));
        QTest::mouseClick(review->findChild<QPushButton*>(QStringLiteral("navLanguageSettings")), Qt::LeftButton);
        QVERIFY(!review->isVisible());
        QCOMPARE(app.delegate().languageSettingsWindowController(), settings);
        QTRY_COMPARE(visibleSections(), QList<SectionWindow*> { settings->window() });
    }

    void sectionWindowsKeepTheirShape()
    {
        QuillmoorApp& app = makeApp(true);
        for (AppSection section : { AppSection::Review, AppSection::Grammar, AppSection::LanguageSettings }) {
            app.delegate().showSection(section);
            QTRY_COMPARE(visibleSections().size(), 1);
            const SectionWindow* window = visibleSections().first();
            QVERIFY(window->width() >= window->minimumWidth() && window->width() <= window->maximumWidth());
            QVERIFY(window->height() >= window->minimumHeight());
            QVERIFY(!(window->windowFlags() & Qt::WindowMinimizeButtonHint));
            QVERIFY(!window->testAttribute(Qt::WA_DeleteOnClose));
        }
        // The settings grow only vertically.
        const SectionWindow* settings = app.delegate().languageSettingsWindowController()->window();
        QCOMPARE(settings->minimumWidth(), settings->maximumWidth());
        QCOMPARE(settings->height(), LanguageSettingsWindowController::initialHeight());
    }

    // The guide's own button closes its window, which completes onboarding and, on a first run
    // without a target language, opens the settings with their content.
    void guideFinishButtonEndsTheGuide()
    {
        QuillmoorApp& app = makeApp(false, std::nullopt);
        app.delegate().showOnboarding();
        SectionWindow* guide = app.delegate().onboardingWindowController()->window();
        QVERIFY(guide->findChild<OnboardingView*>());
        QTest::mouseClick(guide->findChild<QAbstractButton*>(QStringLiteral("pageDot9")), Qt::LeftButton);
        QTest::mouseClick(guide->findChild<QPushButton*>(QStringLiteral("finishButton")), Qt::LeftButton);
        QTRY_VERIFY(!guide->isVisible());
        QTRY_VERIFY(app.preferences().onboarding().hasCompletedOnboarding());
        QTRY_VERIFY(app.delegate().languageSettingsWindowController());
        SectionWindow* settings = app.delegate().languageSettingsWindowController()->window();
        QTRY_VERIFY(settings->isVisible());
        QVERIFY(settings->findChild<LanguageSettingsView*>());
        // Reopened in the same run, the guide is as it was left.
        app.delegate().showOnboarding();
        QCOMPARE(guide->findChild<OnboardingView*>()->pageIndex(), 9);
    }

    // Without a tray the menu's commands are buttons of a small window, in the interface language.
    void noTrayWindowOffersTheMenu()
    {
        QuillmoorApp& app = makeApp(true);
        NoTrayWindow window(app.tray().menu()->actions());
        window.show();
        QStringList buttons;
        for (QToolButton* button : window.findChildren<QToolButton*>())
            buttons << button->text();
        QCOMPARE(buttons, menuTexts(app.tray().menu()).filter(QRegularExpression(QStringLiteral("^[^—]"))));
        QVERIFY(window.findChild<QLabel*>(QStringLiteral("noTrayHint"))
                    ->text()
                    .contains(QStringLiteral("gnome-shell-extension-appindicator")));
        QTest::mouseClick(window.findChild<QToolButton*>(QStringLiteral("noTray_menuReview")), Qt::LeftButton);
        QTRY_VERIFY(
            app.delegate().reviewWindowController() && app.delegate().reviewWindowController()->window()->isVisible());
        app.preferences().interfaceLanguage().setLanguageCode(QStringLiteral("fr"));
        auto* review = window.findChild<QToolButton*>(QStringLiteral("noTray_menuReview"));
        QTRY_VERIFY(review->text() != QStringLiteral("Повторение…"));
        QCOMPARE(review->text(), app.tray().menu()->findChild<QAction*>(QStringLiteral("menuReview"))->text());
    }

    void launchRegistersAndInstallsTriggers()
    {
        QuillmoorApp& app = makeApp(true);
        app.start();
        QCOMPARE(app.hotkeyManager().actions().size(), 4);
        QVERIFY(app.hotkeyInstaller().isInstalled());
        QVERIFY(app.notifications().checkTimer().isActive()); // the reminder check runs
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
};

QTEST_MAIN(TestTrayShell)
#include "TestTrayShell.moc"
