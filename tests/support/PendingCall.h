#pragma once

#include <coroutine>
#include <utility>

// A suspended call that the test ends by hand: finish() resumes the waiting coroutine at
// once, on the caller's stack, so each step of a flow happens exactly where the test says.
// (A signal-based wait would resume through queued events that can outlive the waiter.)
class PendingCall
{
public:
    PendingCall() = default;
    PendingCall(const PendingCall&) = delete;
    PendingCall& operator=(const PendingCall&) = delete;

    bool isDone() const { return m_done; }
    void finish()
    {
        m_done = true;
        if (auto waiting = std::exchange(m_waiting, {}))
            waiting.resume();
    }

    // co_await call.wait() suspends until finish().
    struct Awaiter
    {
        PendingCall* call;
        bool await_ready() const noexcept { return call->m_done; }
        void await_suspend(std::coroutine_handle<> waiting) noexcept { call->m_waiting = waiting; }
        void await_resume() const noexcept { }
    };
    Awaiter wait() { return Awaiter { this }; }

private:
    bool m_done = false;
    std::coroutine_handle<> m_waiting;
};
