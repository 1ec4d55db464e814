#include <windows.h>

#include "common/win32/message_pump.h"

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

bool WaitAndDispatchMessages() {
  // Input already in the queue counts too, so nothing posted meanwhile is slept over.
  MsgWaitForMultipleObjectsEx(0, nullptr, INFINITE, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
  return DispatchPendingMessages();
}
