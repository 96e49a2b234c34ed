// Start-up time to the tray icon and idle resident memory. Prints its figures.
#include "app/QuillmoorApp.h"
#include "app/TrayIconController.h"
#include "preferences/Preferences.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QSystemTrayIcon>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

namespace {
long residentKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}
} // namespace

int main(int argc, char* argv[])
{
    QElapsedTimer timer;
    timer.start();
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", home.filePath(QStringLiteral("config")).toUtf8());
    qputenv("XDG_DATA_HOME", home.filePath(QStringLiteral("data")).toUtf8());
    const auto built = QuillmoorApp::create(QuillmoorApp::defaultPaths());
    if (!built)
        return 1;
    QuillmoorApp& quillmoor = *built;
    quillmoor.preferences().onboarding().setHasCompletedOnboarding(true);
    quillmoor.preferences().translation().setTargetLanguageCode(QStringLiteral("en"));
    quillmoor.start();
    QTimer poll;
    qint64 shownAt = -1;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (shownAt < 0 && quillmoor.tray().trayIcon()->isVisible())
            shownAt = timer.elapsed();
    });
    poll.start(1);
    QTimer::singleShot(3000, &app, &QCoreApplication::quit);
    app.exec();
    std::printf("startup_to_tray_ms %lld\n", static_cast<long long>(shownAt));
    std::printf("idle_rss_kib %ld\n", residentKiB());
    return shownAt < 0 ? 1 : 0;
}
