#include "online/win32/window_wait_win32.h"

#include <windows.h>

bool DispatchPendingMessages() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(message.wParam));
      return false;
    }
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return true;
}

WaitSettings WindowThreadWaits() {
  WaitSettings settings;
  settings.dispatchMessages = DispatchPendingMessages;
  return settings;
}
