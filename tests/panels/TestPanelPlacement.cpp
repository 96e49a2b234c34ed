#include "panels/PanelPlacement.h"

#include <QTest>

using Screens = QList<PanelPlacement::Screen>;
Q_DECLARE_METATYPE(Screens)

namespace {

// A 1920×1080 screen with a 32 px panel at the top, and a 1280×1024 one to its right.
const PanelPlacement::Screen kMain { QRect(0, 0, 1920, 1080), QRect(0, 32, 1920, 1048) };
const PanelPlacement::Screen kSecond { QRect(1920, 0, 1280, 1024), QRect(1920, 0, 1280, 1000) };

} // namespace

class TestPanelPlacement : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void overlayOrigin_data()
    {
        QTest::addColumn<QPoint>("anchor");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<Screens>("screens");
        QTest::addColumn<QPoint>("origin");

        const Screens both { kMain, kSecond };
        // clang-format off
        QTest::newRow("middle: below right of the pointer") << QPoint(500, 400) << QSize(300, 160) << both << QPoint(516, 416);
        QTest::newRow("top-left corner: under the top panel") << QPoint(0, 0) << QSize(300, 160) << both << QPoint(16, 32);
        QTest::newRow("bottom-right corner: pushed up and left") << QPoint(1918, 1078) << QSize(300, 160) << Screens { kMain } << QPoint(1620, 920);
        QTest::newRow("second screen: clamped to it, not to the main one") << QPoint(3190, 1000) << QSize(300, 160) << both << QPoint(2900, 840);
        QTest::newRow("pointer outside every screen: the main one") << QPoint(5000, 5000) << QSize(300, 160) << both << QPoint(1620, 920);
        QTest::newRow("taller than the screen: the top stays visible") << QPoint(500, 900) << QSize(300, 2000) << both << QPoint(516, 32);
        QTest::newRow("wider than the screen: the right edge stays visible") << QPoint(100, 100) << QSize(2000, 100) << Screens { kMain } << QPoint(-80, 116);
        QTest::newRow("no screen: unclamped") << QPoint(5000, 5000) << QSize(300, 160) << Screens {} << QPoint(5016, 5016);
        // clang-format on
    }

    void overlayOrigin()
    {
        QFETCH(QPoint, anchor);
        QFETCH(QSize, size);
        QFETCH(Screens, screens);
        QFETCH(QPoint, origin);
        QCOMPARE(PanelPlacement::overlayOrigin(anchor, size, screens), origin);
    }

    void overlayStaysInsideTheAvailableArea()
    {
        const Screens both { kMain, kSecond };
        for (int x = -50; x < 3300; x += 97) {
            for (int y = -50; y < 1100; y += 83) {
                const QPoint anchor(x, y);
                const QRect card(PanelPlacement::overlayOrigin(anchor, QSize(380, 240), both), QSize(380, 240));
                const auto under
                    = std::find_if(both.begin(), both.end(), [&](const auto& s) { return s.frame.contains(anchor); });
                const QRect area = (under != both.end() ? *under : both.first()).available;
                QVERIFY2(area.contains(card), qPrintable(QStringLiteral("at %1,%2").arg(x).arg(y)));
            }
        }
    }

    void quickLookupOrigin()
    {
        // Centred horizontally, 15 % of the height above the middle.
        QCOMPARE(PanelPlacement::quickLookupOrigin(QSize(320, 80), QRect(0, 32, 1920, 1048)),
            QPoint(800, 32 + 524 - 40 - 157));
        QCOMPARE(PanelPlacement::quickLookupOrigin(QSize(320, 80), std::nullopt), std::nullopt);
    }

    void refitKeepsCentreAndTop()
    {
        QCOMPARE(PanelPlacement::refittedOrigin(QRect(800, 300, 320, 80), QSize(400, 300)), QPoint(760, 300));
        QCOMPARE(PanelPlacement::refittedOrigin(QRect(800, 300, 320, 80), QSize(320, 80)), QPoint(800, 300));
    }
};

QTEST_GUILESS_MAIN(TestPanelPlacement)
#include "TestPanelPlacement.moc"
