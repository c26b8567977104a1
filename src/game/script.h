// SPDX-License-Identifier: GPL-3.0-or-later
// Script: a rule that takes time, written as a coroutine. It runs until it has to wait - a pause,
// a cue that holds the game, a double-or-nothing window's answer - notes the wait in its
// ScriptWait, suspends, and goes on when its runner resumes it. A script runs another one to its
// end with co_await, so the rules read top to bottom while no event loop is ever nested.
#pragma once

#include <chrono>
#include <coroutine>
#include <cstddef>
#include <exception>
#include <utility>

namespace zantaro {

// What a suspended script waits for, and where it goes on.
struct ScriptWait
{
    enum class Kind
    {
        Nothing, // running, or done
        Pause,   // a wait of the game's own: a frame, a count step, the pause between auto spins
        CueHold, // a synchronous cue still plays
        Answer   // a double-or-nothing window is open
    };
    Kind kind = Kind::Nothing;
    std::chrono::milliseconds until{0}; // for Pause and CueHold
    std::coroutine_handle<> resumePoint;

    // A wait that ends at `until`, rather than on an answer.
    bool timed() const { return kind == Kind::Pause || kind == Kind::CueHold; }
};

// Frames for scripts: blocks of a few sizes kept for reuse on this thread, so that the million
// spins of a simulation do not each ask the heap for every frame.
void* allocateScriptFrame(std::size_t size);
void releaseScriptFrame(void* frame, std::size_t size) noexcept;

class [[nodiscard]] Script
{
public:
    struct promise_type
    {
        std::coroutine_handle<> caller; // the script that awaits this one, if any
        bool callerSuspended = false;   // this script waited, so its end resumes the caller
        std::exception_ptr failure;

        Script get_return_object() { return Script(Handle::from_promise(*this)); }
        std::suspend_always initial_suspend() noexcept { return {}; }
        auto final_suspend() noexcept
        {
            struct BackToCaller
            {
                bool await_ready() noexcept { return false; }
                std::coroutine_handle<> await_suspend(std::coroutine_handle<promise_type> done) noexcept
                {
                    const promise_type& promise = done.promise();
                    return promise.callerSuspended ? promise.caller : std::noop_coroutine();
                }
                void await_resume() noexcept {}
            };
            return BackToCaller{};
        }
        void return_void() {}
        void unhandled_exception() { failure = std::current_exception(); }

        // A spin runs a few dozen scripts; their frames come from a pool instead of the heap.
        static void* operator new(std::size_t size) { return allocateScriptFrame(size); }
        static void operator delete(void* frame, std::size_t size) { releaseScriptFrame(frame, size); }
    };
    using Handle = std::coroutine_handle<promise_type>;

    Script() = default;
    Script(Script&& other) noexcept : m_handle(std::exchange(other.m_handle, {})) {}
    Script& operator=(Script&& other) noexcept
    {
        if (this != &other) {
            destroy();
            m_handle = std::exchange(other.m_handle, {});
        }
        return *this;
    }
    ~Script() { destroy(); }

    // Runs the script from its start until its first wait (or its end).
    void start() { m_handle.resume(); }
    // Where the script starts, for a runner that resumes it itself.
    std::coroutine_handle<> handle() const { return m_handle; }
    bool done() const { return !m_handle || m_handle.done(); }
    // Passes on what went wrong inside the script once it has ended.
    void rethrowFailure() const
    {
        if (m_handle && m_handle.promise().failure)
            std::rethrow_exception(m_handle.promise().failure);
    }

    // co_await: the awaiting script goes on when this one has ended. A script that ends without
    // waiting returns here and the caller simply goes on, so that a long series of them (free
    // spins that nobody watches) never deepens the stack; only one that waited resumes its caller.
    bool await_ready() const noexcept { return false; }
    bool await_suspend(std::coroutine_handle<> caller)
    {
        promise_type& promise = m_handle.promise();
        promise.caller = caller;
        m_handle.resume();
        if (m_handle.done())
            return false;
        promise.callerSuspended = true;
        return true;
    }
    void await_resume() const { rethrowFailure(); }

private:
    explicit Script(Handle handle) : m_handle(handle) {}
    void destroy()
    {
        if (m_handle)
            m_handle.destroy();
    }

    Handle m_handle;
};

// co_await: suspends the running script until its runner resumes it for the given wait; a wait
// of kind Nothing goes straight on.
struct ScriptSuspension
{
    ScriptWait& wait;
    ScriptWait::Kind kind;
    std::chrono::milliseconds until{0};

    bool await_ready() const noexcept { return kind == ScriptWait::Kind::Nothing; }
    void await_suspend(std::coroutine_handle<> here) noexcept
    {
        wait.kind = kind;
        wait.until = until;
        wait.resumePoint = here;
    }
    void await_resume() const noexcept {}
};

} // namespace zantaro
