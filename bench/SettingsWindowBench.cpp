// The settings window: from the request to open it until its sections are painted, with every
// service check still running (the servers the settings point at never answer). The first opening
// builds the window and its content; later ones show the kept window again. Runs inside the test
// desktop (it shows real windows).
#include "app/LanguageSettingsWindowController.h"
#include "app/SectionWindow.h"
#include "hotkeys/HotkeyActions.h"
#include "hotkeys/HotkeyManager.h"
#include "language/GeneratedImageService.h"
#include "language/LanguageModelClient.h"
#include "language/LibreTranslateClient.h"
#include "preferences/Preferences.h"
#include "settings/LanguageSettingsView.h"
#include "settings/ServiceStatusChecker.h"
#include "support/LocalHttpServer.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

class PaintWatch : public QObject
{
public:
    void arm(QWidget* widget)
    {
        if (m_widget)
            m_widget->removeEventFilter(this);
        m_widget = widget;
        m_painted = false;
        widget->installEventFilter(this);
    }
    void waitPainted()
    {
        while (!m_painted)
            QApplication::processEvents(QEventLoop::AllEvents, 5);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == m_widget && event->type() == QEvent::Paint)
            m_painted = true;
        return false;
    }

private:
    QPointer<QWidget> m_widget;
    bool m_painted = false;
};

void report(const char* name, std::vector<double> times, double targetMs)
{
    std::sort(times.begin(), times.end());
    std::printf("%-44s median %7.2f ms  worst %7.2f ms  (%zu runs, target %g ms)\n", name, times[times.size() / 2],
        times.back(), times.size(), targetMs);
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QTemporaryDir dir;
    LocalHttpServer silent;
    silent.start();
    silent.route("GET", "*", [](const auto&) {
        LocalHttpServer::Response never;
        never.hang = true;
        return never;
    });
    silent.route("POST", "*", [](const auto&) {
        LocalHttpServer::Response never;
        never.hang = true;
        return never;
    });
    Preferences preferences(dir.filePath(QStringLiteral("defaults.json")));
    const QString address = silent.url().toString(QUrl::StripTrailingSlash);
    preferences.store().setValue(LanguageModelClient::kBaseUrlKey, address + QStringLiteral("/v1"));
    preferences.store().setValue(LibreTranslateClient::kUrlKey, address);
    preferences.store().setValue(GeneratedImageService::kUrlKey, address + QStringLiteral("/v1"));
    preferences.store().setValue(QStringLiteral("anki.url"), address);
    HotkeyManager hotkeys(preferences.store());
    HotkeyActions::registerDefaults(hotkeys);

    PaintWatch watch;
    std::vector<double> first, again;
    int stillChecking = 0;
    for (int run = 0; run < 9; ++run) {
        LanguageSettingsView* view = nullptr;
        QElapsedTimer timer;
        timer.start();
        LanguageSettingsWindowController controller([&] {
            LanguageSettingsView::Options options;
            options.statusChecks.timeout = std::chrono::milliseconds(30'000);
            view = new LanguageSettingsView(preferences, hotkeys, options);
            return view;
        });
        watch.arm(view->findChild<QWidget*>(QStringLiteral("interfaceSection")));
        controller.showWindowUnfocused();
        watch.waitPainted();
        first.push_back(timer.nsecsElapsed() / 1e6);
        for (ServiceStatusChecker::Service service : ServiceStatusChecker::all())
            stillChecking += view->statusChecker().status(service).state == ServiceStatusChecker::State::Checking;

        for (int reopen = 0; reopen < 3; ++reopen) {
            controller.close();
            QApplication::processEvents();
            QElapsedTimer shown;
            shown.start();
            watch.arm(view->findChild<QWidget*>(QStringLiteral("interfaceSection")));
            controller.showWindowUnfocused();
            watch.waitPainted();
            again.push_back(shown.nsecsElapsed() / 1e6);
        }
        controller.close();
        QApplication::processEvents();
    }
    std::printf("service checks still running when painted: %d of %d\n", stillChecking, 9 * 4);
    // The process's first window also pays for the platform's start (fonts, the X connection's
    // resources, the style): reported apart from the openings of a new settings window that follow.
    std::printf("%-44s %7.2f ms\n", "first window of the process until painted", first.front());
    first.erase(first.begin());
    report("new settings window until painted", first, 100);
    report("reopening until painted", again, 100);
    return 0;
}
