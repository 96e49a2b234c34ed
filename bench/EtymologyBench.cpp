// How long a lookup card waits for its etymology once it is on screen, with a local model server
// that answers at once, and how long the card takes to appear with and without that step (the
// etymology runs after the card is shown, so the two should match).
#include "panels/CaptureOverlayView.h"
#include "support/LookupRig.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QJsonObject>
#include <QLabel>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

void report(const char* what, std::vector<double> samples)
{
    std::sort(samples.begin(), samples.end());
    const auto at = [&](double q) { return samples[std::min(samples.size() - 1, size_t(q * double(samples.size())))]; };
    std::printf("%-46s n=%-4zu p50=%7.2f ms  p95=%7.2f ms  max=%7.2f ms\n", what, samples.size(), at(0.5), at(0.95),
        samples.back());
}

struct Timing
{
    double shownMs = 0;
    double etymologyMs = -1;
};

Timing lookup(LookupRig& rig, const QString& word, bool waitForEtymology)
{
    QElapsedTimer timer;
    timer.start();
    CaptureOverlayView view(
        rig.services(), word, QStringLiteral("They talked about the ") + word + QStringLiteral("."), false, true);
    view.show();
    view.start();
    if (!QTest::qWaitForWindowExposed(&view))
        return {};
    Timing timing { timer.nsecsElapsed() / 1e6 };
    if (!waitForEtymology)
        return timing;
    const QLabel* label = view.findChild<QLabel*>(QStringLiteral("etymology"));
    QElapsedTimer shown;
    shown.start();
    while (shown.elapsed() < 5000 && (label->isHidden() || label->text() == QStringLiteral("…")))
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    if (!label->isHidden())
        timing.etymologyMs = shown.nsecsElapsed() / 1e6;
    return timing;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 60;
    std::vector<double> withModel, withoutModel, etymology;
    {
        LookupRig rig;
        rig.useEnglishToSpanish();
        for (int i = 0; i < rounds; ++i)
            withoutModel.push_back(lookup(rig, QStringLiteral("word%1").arg(i), false).shownMs);
    }
    LookupRig rig;
    rig.useEnglishToSpanish();
    rig.setModelAnswer(QStringLiteral("GeneratedEtymology"),
        { { "short", "From Old English." }, { "full", "From Old English, from Proto-Germanic. A long story." } });
    for (int i = 0; i < rounds; ++i) {
        // A new word each time: the cache would answer a repeated one without the model.
        const Timing timing = lookup(rig, QStringLiteral("word%1").arg(i), true);
        withModel.push_back(timing.shownMs);
        if (timing.etymologyMs >= 0)
            etymology.push_back(timing.etymologyMs);
    }
    report("card on screen, no model server", withoutModel);
    report("card on screen, model server answering", withModel);
    if (etymology.empty()) {
        std::printf("no etymology was shown\n");
        return 1;
    }
    report("card on screen -> etymology shown", etymology);
    return 0;
}
