#pragma once

#include <functional>

// The window thread's one message pump for waits that keep the windows responsive (animation
// waits, modal popups, HTTP exchanges). Both return false when the program is quitting: the
// quit message is posted again, for the main message loop to find.

// Dispatches every pending message and returns at once.
bool DispatchPendingMessages();
// Sleeps until a message arrives or a timer is due, then dispatches every pending message.
bool WaitAndDispatchMessages();
// Runs `work` on a worker thread while this thread dispatches messages, and returns once the
// work has ended (always: once quitting, it waits without dispatching). Runs it here when no
// thread can be started. `work` must not throw.
void RunWhileDispatching(const std::function<void()>& work);
