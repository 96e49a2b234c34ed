#include "app/AppDelegate.h"
#include "app/FreedesktopApplicationAdaptor.h"
#include "app/QuillmoorApp.h"
#include "app/SingleInstanceGuard.h"
#include "app/TerminationSignals.h"
#include "diagnostics/CrashReporter.h"
#include "diagnostics/LogSink.h"
#include "diagnostics/QMLog.h"
#include "platform/SystemJournal.h"
#include "platform/tesseract/TesseractRecognizer.h"

#include <QApplication>

#include <cstdio>

namespace {

// What the command line asks for: --version, or --action NAME (one of the desktop actions).
struct CommandLine
{
    bool version = false;
    QString action;
    QString error;
};

CommandLine readCommandLine(int argc, char* argv[])
{
    CommandLine line;
    for (int i = 1; i < argc; ++i) {
        const QByteArray arg(argv[i]);
        if (arg == "--version") {
            line.version = true;
        } else if (arg == "--action" || arg.startsWith("--action=")) {
            line.action = arg == "--action" ? (i + 1 < argc ? QString::fromLocal8Bit(argv[++i]) : QString())
                                            : QString::fromLocal8Bit(arg.mid(9));
            if (!FreedesktopApplicationAdaptor::actionNames().contains(line.action)) {
                line.error = QStringLiteral("--action takes one of: %1")
                                 .arg(FreedesktopApplicationAdaptor::actionNames().join(QStringLiteral(", ")));
            }
        }
    }
    return line;
}

} // namespace

int main(int argc, char* argv[])
{
    // Answered before any window system is touched, so it works without a display.
    const CommandLine commandLine = readCommandLine(argc, argv);
    if (commandLine.version) {
        std::printf("quillmoor %s\n", QUILLMOOR_VERSION);
        return 0;
    }
    if (!commandLine.error.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(commandLine.error));
        return 2;
    }
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
    if (!guard.claim(commandLine.action))
        return 0;
    // Logout, `systemctl --user stop` and Ctrl+C end the event loop, so the bus name and the lock
    // are released and the termination steps run.
    TerminationSignals termination;
    QObject::connect(&termination, &TerminationSignals::received, &app, &QCoreApplication::quit);

    const QuillmoorApp::Paths paths = QuillmoorApp::defaultPaths();
    if (!CrashReporter::install(paths.diagnostics, QUILLMOOR_VERSION))
        qCWarning(lcApp).noquote() << "Crashes cannot be recorded in" << paths.diagnostics;
    const bool crashedBefore = CrashReporter::takePendingReport(paths.diagnostics);
    if (crashedBefore)
        qCWarning(lcApp).noquote() << "The last run crashed; its report is in" << paths.diagnostics;

    // Without its card store the program cannot keep what the learner saves: stop here.
    const std::unique_ptr<QuillmoorApp> quillmoor = QuillmoorApp::create(paths);
    if (!quillmoor)
        return 1;
    QObject::connect(
        &guard, &SingleInstanceGuard::activationRequested, &quillmoor->delegate(), &AppDelegate::showLanguageSettings);
    QObject::connect(&guard, &SingleInstanceGuard::actionRequested, &quillmoor->delegate(), &AppDelegate::runAction);
    quillmoor->start();
    if (crashedBefore)
        quillmoor->offerCrashReport();
    if (!commandLine.action.isEmpty())
        quillmoor->delegate().runAction(commandLine.action);
    return app.exec();
}
