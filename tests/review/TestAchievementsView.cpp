#include "app/InterfaceTranslator.h"
#include "app/ReviewWindowController.h"
#include "preferences/Preferences.h"
#include "review/AchievementCatalog.h"
#include "review/AchievementTile.h"
#include "review/AchievementsView.h"
#include "review/ReviewView.h"
#include "store/VocabCardStore.h"
#include "support/AccessibleTexts.h"
#include "support/TempCardStore.h"

#include <QApplication>
#include <QLabel>
#include <QTest>

namespace {
// Whether any pixel of the tile's symbol has colour (red, green and blue apart).
bool hasColour(const AchievementTile* tile)
{
    const QLabel* symbol = tile->findChild<QLabel*>(QStringLiteral("achievementSymbol"));
    const QImage image = symbol->pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (qAlpha(pixel) > 0 && (qRed(pixel) != qGreen(pixel) || qGreen(pixel) != qBlue(pixel)))
                return true;
        }
    }
    return false;
}

QString caption(const AchievementsView& view)
{
    return view.findChild<QLabel*>(QStringLiteral("achievementsCaption"))->text();
}
} // namespace

class TestAchievementsView : public QObject, TempCardStore<VocabCardStore>
{
    Q_OBJECT

    std::unique_ptr<Preferences> m_preferences;

private Q_SLOTS:
    void init()
    {
        openStore("Europe/Berlin");
        m_preferences = std::make_unique<Preferences>(m_home->defaultsFile());
    }
    void cleanup()
    {
        m_preferences.reset();
        closeStore();
    }

    void earnedTilesInColour()
    {
        QVERIFY(store().recordUnlockedAchievement(QStringLiteral("cards_1")));
        QVERIFY(store().recordUnlockedAchievement(QStringLiteral("streak_3")));
        AchievementsView view(store());
        view.resize(440, 900); // every tile on screen
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        const QList<AchievementDefinition>& catalogue = AchievementCatalog::all();
        QCOMPARE(view.tiles().size(), catalogue.size());
        QCOMPARE(view.earnedCount(), 2);
        QVERIFY(caption(view).contains(QStringLiteral("2")));
        QVERIFY(caption(view).contains(QString::number(catalogue.size())));
        for (int i = 0; i < catalogue.size(); ++i) {
            const AchievementTile* tile = view.tiles()[i];
            QCOMPARE(tile->definition().id, catalogue[i].id);
            const bool earned = tile->definition().id == "cards_1" || tile->definition().id == "streak_3";
            QCOMPARE(tile->isEarned(), earned);
            QCOMPARE(tile->opacity(), earned ? 1.0 : 0.45);
            QVERIFY2(hasColour(tile) == earned, qPrintable(tile->definition().id));
        }
        // Two to a row, in catalogue order.
        QCOMPARE(view.tiles()[0]->y(), view.tiles()[1]->y());
        QVERIFY(view.tiles()[0]->x() < view.tiles()[1]->x());
        QVERIFY(view.tiles()[2]->y() > view.tiles()[0]->y());

        // A screen reader reads the count, every title and subtitle, and which ones are earned.
        QStringList read;
        QTRY_VERIFY2_WITH_TIMEOUT(
            (read = accessibleTextsOfThisProcess()).contains(caption(view)), qPrintable(read.join('|')), 30'000);
        for (const AchievementDefinition& definition : catalogue) {
            QVERIFY2(read.contains(definition.localizedTitle()), qPrintable(definition.id));
            QVERIFY2(read.contains(definition.localizedSubtitle()), qPrintable(definition.id));
        }
        QVERIFY(view.tiles()[0]->accessibleDescription() != view.tiles()[1]->accessibleDescription());

        // Shown again, it reads the earned ones again.
        view.hide();
        QVERIFY(store().recordUnlockedAchievement(QStringLiteral("reviews_10")));
        view.show();
        QCOMPARE(view.earnedCount(), 3);
        QVERIFY(view.tiles()[1]->isEarned());
    }

    void interfaceLanguage()
    {
        InterfaceTranslator translator(m_preferences->interfaceLanguage());
        AchievementsView view(store());
        const QString russianCaption = caption(view);
        const QLabel* title = view.tiles()[0]->findChild<QLabel*>(QStringLiteral("achievementTitle"));
        const QString russianTitle = title->text();
        m_preferences->interfaceLanguage().setLanguageCode(QStringLiteral("ja"));
        QTRY_COMPARE(title->text(), view.tiles()[0]->definition().localizedTitle());
        QVERIFY(title->text() != russianTitle && caption(view) != russianCaption);
        m_preferences->interfaceLanguage().setLanguageCode(std::nullopt);
        QTRY_COMPARE(caption(view), russianCaption);
    }

    void reviewWindowThirdScreen()
    {
        ReviewWindowController controller(&store(), m_preferences->interfaceLanguage(), nullptr);
        controller.view()->setScreen(ReviewScreen::Achievements);
        QVERIFY(controller.view()->findChild<AchievementsView*>());
    }
};

QTEST_MAIN(TestAchievementsView)
#include "TestAchievementsView.moc"
