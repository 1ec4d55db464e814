#pragma once

#include "online/asio_connector.h"

// Handles the window thread's pending messages; false when the program is quitting (the
// quit message is posted again for the message loop to find).
bool DispatchPendingMessages();

// Waits of a request made on the window's thread: messages keep flowing, connecting gives up
// after 120 seconds.
WaitSettings WindowThreadWaits();
