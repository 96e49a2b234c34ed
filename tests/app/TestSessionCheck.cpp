#include "app/SessionCheck.h"

#include <QTest>

class TestSessionCheck : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void isWayland_data()
    {
        QTest::addColumn<QString>("sessionType");
        QTest::addColumn<QString>("platform");
        QTest::addColumn<bool>("wayland");
        QTest::newRow("x11 session") << "x11" << "xcb" << false;
        QTest::newRow("no session type") << "" << "xcb" << false;
        QTest::newRow("wayland through xwayland") << "wayland" << "xcb" << true;
        QTest::newRow("wayland plugin") << "" << "wayland" << true;
        QTest::newRow("wayland-egl plugin") << "tty" << "wayland-egl" << true;
        QTest::newRow("upper case") << "Wayland" << "xcb" << true;
        QTest::newRow("offscreen") << "" << "offscreen" << false;
    }

    void isWayland()
    {
        QFETCH(QString, sessionType);
        QFETCH(QString, platform);
        QFETCH(bool, wayland);
        QCOMPARE(SessionCheck::isWayland(sessionType, platform), wayland);
    }
};

QTEST_GUILESS_MAIN(TestSessionCheck)
#include "TestSessionCheck.moc"
