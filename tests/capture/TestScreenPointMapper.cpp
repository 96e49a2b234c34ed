#include "capture/ScreenPointMapper.h"

#include <QTest>

Q_DECLARE_METATYPE(LogicalPoint)
Q_DECLARE_METATYPE(PhysicalPoint)
Q_DECLARE_METATYPE(ScreenPointMapper::Screen)

namespace {
using Screens = QList<ScreenPointMapper::Screen>;

// Primary 1920 x 1080 at scale 1; a 2560 x 1440 screen at scale 2 above and left of it,
// physically at (-2560, -1440); a third at scale 1 to the right of the primary.
Screens mixedLayout()
{
    return { { QRect(0, 0, 1920, 1080), 1.0 }, { QRect(-2560, -1440, 1280, 720), 2.0 },
        { QRect(1920, 0, 1280, 1024), 1.0 } };
}
} // namespace

class TestScreenPointMapper : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Logical to physical, and back where the physical point is exactly a logical one.
    void mapping_data()
    {
        QTest::addColumn<Screens>("screens");
        QTest::addColumn<LogicalPoint>("logical");
        QTest::addColumn<PhysicalPoint>("physical");
        QTest::addColumn<bool>("back");
        const Screens single1 = { { QRect(0, 0, 1920, 1080), 1.0 } };
        const Screens single2 = { { QRect(0, 0, 960, 540), 2.0 } };
        const Screens leftAbove1 = { { QRect(0, 0, 1920, 1080), 1.0 }, { QRect(-1280, -1024, 1280, 1024), 1.0 } };
        QTest::newRow("no screens: identity, rounded")
            << Screens {} << LogicalPoint { 12.4, -7 } << PhysicalPoint { 12, -7 } << false;
        QTest::newRow("no screens: identity")
            << Screens {} << LogicalPoint { 5, -3 } << PhysicalPoint { 5, -3 } << true;
        QTest::newRow("one screen at scale 1: identity")
            << single1 << LogicalPoint { 300, 200 } << PhysicalPoint { 300, 200 } << true;
        QTest::newRow("one screen at scale 2")
            << single2 << LogicalPoint { 300, 200 } << PhysicalPoint { 600, 400 } << true;
        QTest::newRow("scale 2, half logical pixel")
            << single2 << LogicalPoint { 300.5, 0.5 } << PhysicalPoint { 601, 1 } << true;
        QTest::newRow("scale 2, bottom-right pixel")
            << single2 << LogicalPoint { 959.5, 539.5 } << PhysicalPoint { 1919, 1079 } << true;
        QTest::newRow("screen above and left at scale 1")
            << leftAbove1 << LogicalPoint { -1, -1 } << PhysicalPoint { -1, -1 } << true;
        QTest::newRow("screen above and left at scale 1, its corner")
            << leftAbove1 << LogicalPoint { -1280, -1024 } << PhysicalPoint { -1280, -1024 } << true;
        QTest::newRow("scale 2 screen above and left, its corner")
            << mixedLayout() << LogicalPoint { -2560, -1440 } << PhysicalPoint { -2560, -1440 } << true;
        QTest::newRow("scale 2 screen above and left, inside")
            << mixedLayout() << LogicalPoint { -2000, -1000 } << PhysicalPoint { -1440, -560 } << true;
        QTest::newRow("scale 2 screen above and left, last pixel, by its physical extent")
            << mixedLayout() << LogicalPoint { -1280.5, -720.5 } << PhysicalPoint { -1, -1 } << true;
        QTest::newRow("primary in a mixed layout")
            << mixedLayout() << LogicalPoint { 0, 0 } << PhysicalPoint { 0, 0 } << true;
        QTest::newRow("primary, not the scale 2 screen's logical rectangle")
            << mixedLayout() << LogicalPoint { 100, 100 } << PhysicalPoint { 100, 100 } << true;
        QTest::newRow("right screen in a mixed layout")
            << mixedLayout() << LogicalPoint { 3000, 1000 } << PhysicalPoint { 3000, 1000 } << true;
        QTest::newRow("off every screen: nearest one, scale 2")
            << mixedLayout() << LogicalPoint { -2600, -1500 } << PhysicalPoint { -2640, -1560 } << true;
    }
    void mapping()
    {
        QFETCH(Screens, screens);
        QFETCH(LogicalPoint, logical);
        QFETCH(PhysicalPoint, physical);
        QFETCH(bool, back);
        const ScreenPointMapper mapper(screens);
        QCOMPARE(mapper.toPhysical(logical), physical);
        if (back)
            QCOMPARE(mapper.toLogical(physical), logical);
    }
};

QTEST_GUILESS_MAIN(TestScreenPointMapper)
#include "TestScreenPointMapper.moc"
