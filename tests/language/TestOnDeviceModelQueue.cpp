#include "language/OnDeviceModelQueue.h"
#include "platform/CancellationToken.h"
#include "support/Waits.h"

#include <QCoroTimer>
#include <QTest>
#include <QTimer>

namespace {
// An operation that answers `text` after `ms`, recording whether it saw a cancel request.
OnDeviceModelQueue::Operation after(int ms, std::optional<QString> text, bool* sawCancel = nullptr)
{
    return [=](std::shared_ptr<CancellationToken> token) -> QCoro::Task<std::optional<QString>> {
        QTimer timer;
        timer.setSingleShot(true);
        timer.start(ms);
        co_await timer;
        if (sawCancel)
            *sawCancel = token->isCancelled();
        co_return text;
    };
}

QCoro::Task<QList<std::optional<QString>>> both(
    OnDeviceModelQueue& queue, OnDeviceModelQueue::Operation first, OnDeviceModelQueue::Operation second)
{
    auto a = queue.run(std::move(first));
    auto b = queue.run(std::move(second));
    QList<std::optional<QString>> results;
    results << co_await std::move(a);
    results << co_await std::move(b);
    co_return results;
}
} // namespace

class TestOnDeviceModelQueue : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void latestWins_data()
    {
        QTest::addColumn<int>("firstMs");
        QTest::addColumn<int>("secondMs");
        QTest::newRow("older finishes first") << 10 << 80;
        QTest::newRow("older finishes last") << 80 << 10;
    }

    void latestWins()
    {
        QFETCH(int, firstMs);
        QFETCH(int, secondMs);
        OnDeviceModelQueue queue;
        bool firstSawCancel = false;
        const auto results = Waits::waitFor(both(
            queue, after(firstMs, QStringLiteral("old"), &firstSawCancel), after(secondMs, QStringLiteral("new"))));
        QVERIFY(results);
        QCOMPARE(results->value(0), std::nullopt);
        QCOMPARE(results->value(1), std::optional<QString>(QStringLiteral("new")));
        QVERIFY(firstSawCancel);
        QCOMPARE(queue.generation(), 2);
    }

    void latestWithoutResultGivesNothing()
    {
        OnDeviceModelQueue queue;
        const auto empty = Waits::waitFor(queue.run(after(1, std::nullopt)));
        QVERIFY(empty.has_value()); // finished in time…
        QVERIFY(!empty->has_value()); // …with nothing
        QCOMPARE(Waits::waitFor(queue.run(after(1, QStringLiteral("x")))),
            std::optional<std::optional<QString>>(QStringLiteral("x")));
    }
};

QTEST_GUILESS_MAIN(TestOnDeviceModelQueue)
#include "TestOnDeviceModelQueue.moc"
