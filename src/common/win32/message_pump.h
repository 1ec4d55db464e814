#pragma once

// The window thread's one message pump for waits that keep the windows responsive (animation
// waits, modal popups, HTTP exchanges). Both return false when the program is quitting: the
// quit message is posted again, for the main message loop to find.

// Dispatches every pending message and returns at once.
bool DispatchPendingMessages();
// Sleeps until a message arrives or a timer is due, then dispatches every pending message.
bool WaitAndDispatchMessages();
