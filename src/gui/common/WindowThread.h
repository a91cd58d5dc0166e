#pragma once
// Hands work from an operation's thread to the window's thread.
//
// Qt's queued calls carry the caller's functor through Qt's own event queue,
// whose locks the thread checkers cannot see; every capture of a posted
// lambda then reads as a race. Here the work waits in a queue under a
// standard mutex and Qt only carries a bare "run what is queued" call by
// name, so what the posting thread wrote is visibly published to the window's
// thread.
#include <functional>

namespace volmar::gui {

// True on the thread the application's windows live on.
bool OnWindowThread();

// Runs work on the window's thread later (from any thread, never blocking).
void PostToWindows(std::function<void()> work);

}  // namespace volmar::gui
