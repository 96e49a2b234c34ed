#pragma once

#include "platform/CancellationToken.h"

#include <QMetaObject>
#include <QPointer>
#include <QTimer>

#include <coroutine>
#include <utility>

// co_await CancellablePause(token, ms): waits ms milliseconds, or less when the token is cancelled
// meanwhile. The waiter always resumes from its own timer on a later turn of the event loop, never
// from inside cancel() (whose caller may be a destructor), and a timer that is gone takes any
// pending wake-up with it.
class CancellablePause
{
public:
    CancellablePause(const CancellationToken* token, int ms)
        : m_token(token)
        , m_ms(ms)
    {
    }
    // Movable before it is awaited (the coroutine machinery may move it); never copied.
    CancellablePause(CancellablePause&& other) noexcept
        : m_token(other.m_token)
        , m_ms(other.m_ms)
        , m_timer(std::exchange(other.m_timer, nullptr))
        , m_cancelled(std::move(other.m_cancelled))
    {
    }
    CancellablePause(const CancellablePause&) = delete;
    CancellablePause& operator=(const CancellablePause&) = delete;
    CancellablePause& operator=(CancellablePause&&) = delete;
    ~CancellablePause()
    {
        QObject::disconnect(m_cancelled);
        if (m_timer) {
            m_timer->stop();
            m_timer->deleteLater(); // it may be emitting the timeout that resumed us
        }
    }

    bool await_ready() const noexcept { return m_ms <= 0 || (m_token && m_token->isCancelled()); }

    void await_suspend(std::coroutine_handle<> waiter)
    {
        m_timer = new QTimer;
        m_timer->setSingleShot(true);
        QObject::connect(m_timer, &QTimer::timeout, m_timer, [waiter] { waiter.resume(); });
        if (m_token) {
            QPointer<QTimer> timer(m_timer);
            m_cancelled = QObject::connect(m_token, &CancellationToken::cancelled, m_timer, [timer] {
                if (timer)
                    timer->start(0);
            });
        }
        m_timer->start(m_ms);
    }

    void await_resume() noexcept { QObject::disconnect(m_cancelled); }

private:
    const CancellationToken* m_token;
    int m_ms;
    QTimer* m_timer = nullptr; // deleted later by the destructor
    QMetaObject::Connection m_cancelled;
};
