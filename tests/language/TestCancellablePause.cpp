#include "language/CancellablePause.h"

#include <QCoroTask>
#include <QElapsedTimer>
#include <QTest>

#include <memory>

namespace {

QCoro::Task<void> waitFor(std::shared_ptr<CancellationToken> token, int ms, bool* resumed)
{
    co_await CancellablePause(token.get(), ms);
    *resumed = true;
}

} // namespace

class TestCancellablePause : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void waitsItsTime()
    {
        auto token = std::make_shared<CancellationToken>();
        bool resumed = false;
        QElapsedTimer clock;
        clock.start();
        waitFor(token, 120, &resumed);
        QVERIFY(!resumed);
        QTRY_VERIFY(resumed);
        QVERIFY(clock.elapsed() >= 110);
    }

    void cancellingCutsItShortButNotInsideCancel()
    {
        auto token = std::make_shared<CancellationToken>();
        bool resumed = false;
        QElapsedTimer clock;
        clock.start();
        waitFor(token, 5000, &resumed);
        token->cancel();
        QVERIFY(!resumed); // the canceller (perhaps a destructor) finishes first
        QTRY_VERIFY_WITH_TIMEOUT(resumed, 1000);
        QVERIFY(clock.elapsed() < 2000);
    }

    void alreadyCancelledDoesNotWait()
    {
        auto token = std::make_shared<CancellationToken>();
        token->cancel();
        bool resumed = false;
        waitFor(token, 5000, &resumed);
        QVERIFY(resumed);
    }

    void cancelAsTheTimeRunsOutResumesOnce()
    {
        // The race of a cancellation arriving while the timeout is due: one resumption, and no
        // stale wake-up afterwards (the sanitizer build checks for use after free).
        for (int round = 0; round < 40; ++round) {
            auto token = std::make_shared<CancellationToken>();
            int resumptions = 0;
            bool resumed = false;
            auto counting = [](std::shared_ptr<CancellationToken> t, int* count, bool* done) -> QCoro::Task<void> {
                co_await CancellablePause(t.get(), 3);
                ++*count;
                *done = true;
            };
            counting(token, &resumptions, &resumed);
            QTimer::singleShot(3, token.get(), [token] { token->cancel(); });
            QTRY_VERIFY(resumed);
            QTest::qWait(10);
            QCOMPARE(resumptions, 1);
        }
    }
};

QTEST_GUILESS_MAIN(TestCancellablePause)
#include "TestCancellablePause.moc"
