#include "online/win32/window_wait_win32.h"

WaitSettings WindowThreadWaits() {
  WaitSettings settings;
  settings.dispatchMessages = DispatchPendingMessages;
  return settings;
}
