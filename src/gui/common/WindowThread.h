#pragma once
// Hands work from an operation's thread to the window's thread.
//
// Qt's queued calls carry the caller's functor through Qt's own event queue,
// whose locks the thread checkers cannot see; every capture of a posted
// lambda then reads as a race. Here the work waits in a queue under a
// standard mutex and Qt only carries a bare "run what is queued" call by
// name, so what the posting thread wrote is visibly published to the window's
// thread.
#include <condition_variable>
#include <functional>
#include <mutex>
#include <type_traits>

namespace volmar::gui {

// True on the thread the application's windows live on.
bool OnWindowThread();

// Runs work on the window's thread later (from any thread, never blocking).
void PostToWindows(std::function<void()> work);

// Runs f on the window's thread and waits for it: windows are only ever
// touched there, whichever thread the operation runs on. The wait is on a
// standard mutex and condition, so that what f wrote is visibly published to
// the waiting thread.
template <class F>
auto OnWindows(F&& f) -> decltype(f())
{
    if (OnWindowThread()) return f();
    std::mutex mutex;
    std::condition_variable cv;
    bool done = false;
    auto finish = [&] {
        std::lock_guard lock(mutex);
        done = true;
        cv.notify_one();
    };
    if constexpr (std::is_void_v<decltype(f())>) {
        PostToWindows([&] { f(); finish(); });
        std::unique_lock lock(mutex);
        cv.wait(lock, [&] { return done; });
    } else {
        decltype(f()) result{};
        PostToWindows([&] { result = f(); finish(); });
        std::unique_lock lock(mutex);
        cv.wait(lock, [&] { return done; });
        return result;
    }
}

}  // namespace volmar::gui
