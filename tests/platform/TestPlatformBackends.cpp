#include "platform/PlatformBackends.h"

#include <QTest>

Q_DECLARE_METATYPE(PlatformBackends::Session)

class TestPlatformBackends : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void sessionKind_data()
    {
        using Session = PlatformBackends::Session;
        QTest::addColumn<QString>("sessionType");
        QTest::addColumn<QString>("platform");
        QTest::addColumn<bool>("display");
        QTest::addColumn<Session>("session");
        // clang-format off
        QTest::newRow("x11 session") << "x11" << "xcb" << true << Session::X11;
        QTest::newRow("no session type") << "" << "xcb" << true << Session::X11;
        QTest::newRow("wayland through xwayland") << "wayland" << "xcb" << true << Session::Wayland;
        QTest::newRow("wayland plugin") << "" << "wayland" << false << Session::Wayland;
        QTest::newRow("wayland-egl plugin") << "tty" << "wayland-egl" << false << Session::Wayland;
        QTest::newRow("upper case") << "Wayland" << "xcb" << true << Session::Wayland;
        QTest::newRow("no display") << "tty" << "offscreen" << false << Session::None;
        // clang-format on
    }
    void sessionKind()
    {
        QFETCH(QString, sessionType);
        QFETCH(QString, platform);
        QFETCH(bool, display);
        QFETCH(PlatformBackends::Session, session);
        QCOMPARE(PlatformBackends::sessionKind(sessionType, platform, display), session);
    }
};

QTEST_GUILESS_MAIN(TestPlatformBackends)
#include "TestPlatformBackends.moc"
