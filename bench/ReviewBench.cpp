// The review window over a large store (100,000 cards, 1,000,000 review logs): opening it until the
// first card is on screen, switching to the statistics until they are painted, and a rating until
// the next card is painted. Runs inside the test desktop (it shows real windows).
#include "StoreBenchData.h"
#include "app/ReviewWindowController.h"
#include "app/SectionWindow.h"
#include "preferences/Preferences.h"
#include "review/ReviewSession.h"
#include "review/ReviewView.h"
#include "store/VocabCardStore.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// Notes the first paint of a widget after it is armed.
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
    // Runs the event loop until the widget has been painted (painting happens inside it).
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
    std::printf("%-40s median %7.2f ms  worst %7.2f ms  (%zu runs, target %g ms)\n", name, times[times.size() / 2],
        times.back(), times.size(), targetMs);
}

double elapsedMs(const QElapsedTimer& timer)
{
    return timer.nsecsElapsed() / 1e6;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("cards.sqlite"));
    QString error;
    auto database = CardDatabase::open(path, &error);
    if (!database) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    QElapsedTimer fillTimer;
    fillTimer.start();
    StoreBenchData::fill(*database, QDateTime::currentDateTime());
    std::printf("filled %d cards and %d logs in %.1f s\n", StoreBenchData::kCards, StoreBenchData::kLogs,
        fillTimer.elapsed() / 1000.0);
    VocabCardStore store(*database);
    Preferences preferences(dir.filePath(QStringLiteral("defaults.json")));
    std::printf("cards due now: %lld\n", qlonglong(store.dueCards().size()));

    PaintWatch watch;
    std::vector<double> opening, statistics, rating;
    std::unique_ptr<ReviewWindowController> controller;
    for (int run = 0; run < 7; ++run) {
        controller.reset();
        QApplication::processEvents();
        QElapsedTimer timer;
        timer.start();
        controller = std::make_unique<ReviewWindowController>(&store, preferences.interfaceLanguage(), nullptr);
        watch.arm(controller->window()->findChild<QLabel*>(QStringLiteral("cardWord")));
        controller->showWindow();
        watch.waitPainted();
        opening.push_back(elapsedMs(timer));
    }

    ReviewView* view = controller->view();
    auto* statsSegment = view->findChild<QPushButton*>(QStringLiteral("segmentStats"));
    auto* reviewSegment = view->findChild<QPushButton*>(QStringLiteral("segmentReview"));
    for (int run = 0; run < 7; ++run) {
        QElapsedTimer timer;
        timer.start();
        statsSegment->click();
        watch.arm(view->findChild<QWidget*>(QStringLiteral("heatMap")));
        watch.waitPainted();
        statistics.push_back(elapsedMs(timer));
        reviewSegment->click();
        QApplication::processEvents();
    }

    auto* word = view->findChild<QLabel*>(QStringLiteral("cardWord"));
    auto* good = view->findChild<QPushButton*>(QStringLiteral("rateGood"));
    for (int run = 0; run < 40; ++run) {
        view->session().showAnswer();
        QApplication::processEvents();
        QElapsedTimer timer;
        timer.start();
        watch.arm(word);
        good->click();
        watch.waitPainted();
        rating.push_back(elapsedMs(timer));
    }

    report("open the window to the first card", opening, 80);
    report("switch to the statistics until painted", statistics, 120);
    report("a rating until the next card", rating, 15);
    return 0;
}
