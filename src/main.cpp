#include "app/AppDelegate.h"
#include "app/QuillmoorApp.h"
#include "app/SingleInstanceGuard.h"
#include "app/TerminationSignals.h"
#include "diagnostics/CrashReporter.h"
#include "diagnostics/LogSink.h"
#include "diagnostics/QMLog.h"
#include "platform/SystemJournal.h"
#include "platform/tesseract/TesseractRecognizer.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    TesseractRecognizer::limitThreadsBeforeStart(argv);
    LogSink::install(SystemJournal::createDefault());
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("quillmoor"));
    QApplication::setApplicationDisplayName(QStringLiteral("Quillmoor"));
    QApplication::setApplicationVersion(QStringLiteral(QUILLMOOR_VERSION));
    QApplication::setOrganizationDomain(QStringLiteral("quillmoor.org"));
    QApplication::setDesktopFileName(QStringLiteral("org.quillmoor.Quillmoor"));
    // A tray application: closing its last window must not end it.
    QApplication::setQuitOnLastWindowClosed(false);

    SingleInstanceGuard guard;
    if (!guard.claim())
        return 0;
    // Logout, `systemctl --user stop` and Ctrl+C end the event loop, so the bus name and the lock
    // are released and the termination steps run.
    TerminationSignals termination;
    QObject::connect(&termination, &TerminationSignals::received, &app, &QCoreApplication::quit);

    const QuillmoorApp::Paths paths = QuillmoorApp::defaultPaths();
    if (!CrashReporter::install(paths.diagnostics, QUILLMOOR_VERSION))
        qCWarning(lcApp).noquote() << "Crashes cannot be recorded in" << paths.diagnostics;
    if (CrashReporter::takePendingReport(paths.diagnostics))
        qCWarning(lcApp).noquote() << "The last run crashed; its report is in" << paths.diagnostics;

    // Without its card store the program cannot keep what the learner saves: stop here.
    const std::unique_ptr<QuillmoorApp> quillmoor = QuillmoorApp::create(paths);
    if (!quillmoor)
        return 1;
    QObject::connect(
        &guard, &SingleInstanceGuard::activationRequested, &quillmoor->delegate(), &AppDelegate::showLanguageSettings);
    quillmoor->start();
    return app.exec();
}
