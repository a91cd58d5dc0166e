#pragma once
// Running a piece of window code from a device operation's worker thread.
#include <QApplication>
#include <QThread>

#include <condition_variable>
#include <mutex>
#include <type_traits>

namespace volmar::gui {

inline bool OnWindowThread()
{
    return QThread::currentThread() == QApplication::instance()->thread();
}

// Runs f on the window's thread and waits for it: windows are only ever
// touched there, whichever thread the operation runs on. The hand-over waits
// on a standard mutex and condition rather than a blocking queued call, so
// that what f wrote is visibly published to the waiting thread (Qt's own
// locks are invisible to the thread checkers).
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
        QMetaObject::invokeMethod(QApplication::instance(), [&] { f(); finish(); }, Qt::QueuedConnection);
        std::unique_lock lock(mutex);
        cv.wait(lock, [&] { return done; });
    } else {
        decltype(f()) result{};
        QMetaObject::invokeMethod(QApplication::instance(), [&] { result = f(); finish(); }, Qt::QueuedConnection);
        std::unique_lock lock(mutex);
        cv.wait(lock, [&] { return done; });
        return result;
    }
}

}  // namespace volmar::gui
