#pragma once

#include "common/win32/message_pump.h"
#include "online/asio_connector.h"

// Waits of a request made on the window's thread: messages keep flowing, connecting gives up
// after 120 seconds.
WaitSettings WindowThreadWaits();
