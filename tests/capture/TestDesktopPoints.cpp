#include "capture/DesktopCaptureEnvironment.h"
#include "capture/ScreenPointMapper.h"

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>
#include <QTest>

#include <X11/Xlib.h>

// Runs once at scale 1 and once with QT_SCALE_FACTOR=2: Qt's logical pointer position, mapped
// by the screens' device pixel ratio, must be where the X server has the pointer.
class TestDesktopPoints : public QObject
{
    Q_OBJECT

private:
    Display* m_display = nullptr;

    PhysicalPoint serverPointer() const
    {
        Window root = 0, child = 0;
        int rootX = 0, rootY = 0, winX = 0, winY = 0;
        unsigned int mask = 0;
        XQueryPointer(m_display, DefaultRootWindow(m_display), &root, &child, &rootX, &rootY, &winX, &winY, &mask);
        return { rootX, rootY };
    }

private Q_SLOTS:
    void initTestCase()
    {
        if (qEnvironmentVariableIsEmpty("DISPLAY"))
            QSKIP("needs an X display");
        m_display = XOpenDisplay(nullptr);
        QVERIFY(m_display);
        QVERIFY(QGuiApplication::primaryScreen());
        const qreal expected
            = qEnvironmentVariableIsSet("QT_SCALE_FACTOR") ? qgetenv("QT_SCALE_FACTOR").toDouble() : 1.0;
        QCOMPARE(QGuiApplication::primaryScreen()->devicePixelRatio(), expected);
    }
    void cleanupTestCase()
    {
        if (m_display)
            XCloseDisplay(m_display);
    }

    void screenCoversTheRootWindowInPhysicalPixels()
    {
        const ScreenPointMapper mapper = ScreenPointMapper::fromApplicationScreens();
        QVERIFY(!mapper.screens().isEmpty());
        const auto& screen = mapper.screens().first();
        const QSizeF physical = QSizeF(screen.logicalGeometry.size()) * screen.devicePixelRatio;
        QCOMPARE(physical.toSize(),
            QSize(
                DisplayWidth(m_display, DefaultScreen(m_display)), DisplayHeight(m_display, DefaultScreen(m_display))));
    }

    void pointerAgreesWithTheServer_data()
    {
        QTest::addColumn<QPoint>("logical");
        QTest::newRow("near the origin") << QPoint(3, 5);
        QTest::newRow("middle") << QPoint(400, 300);
        QTest::newRow("far") << QPoint(900, 500);
    }
    void pointerAgreesWithTheServer()
    {
        QFETCH(QPoint, logical);
        QCursor::setPos(logical);
        DesktopCaptureEnvironment environment;
        QTRY_COMPARE(environment.mouseLocation(), LogicalPoint::fromQPointF(logical));
        const PhysicalPoint expected = environment.screens().toPhysical(environment.mouseLocation());
        QCOMPARE(serverPointer(), expected);
        QCOMPARE(environment.screens().toLogical(serverPointer()), LogicalPoint::fromQPointF(logical));
    }
};

QTEST_MAIN(TestDesktopPoints)
#include "TestDesktopPoints.moc"
