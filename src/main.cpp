#include "app/AppDelegate.h"
#include "app/QuillmoorApp.h"
#include "app/SingleInstanceGuard.h"
#include "diagnostics/LogSink.h"
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

    // Without its card store the program cannot keep what the learner saves: stop here.
    const std::unique_ptr<QuillmoorApp> quillmoor = QuillmoorApp::create(QuillmoorApp::defaultPaths());
    if (!quillmoor)
        return 1;
    QObject::connect(
        &guard, &SingleInstanceGuard::activationRequested, &quillmoor->delegate(), &AppDelegate::showLanguageSettings);
    quillmoor->start();
    return app.exec();
}
