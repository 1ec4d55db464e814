#include <windows.h>

#include "common/win32/message_pump.h"
#include "common/win32/unique_handle.h"

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

namespace {

DWORD WINAPI RunWork(LPVOID work) {
  (*static_cast<const std::function<void()>*>(work))();
  return 0;
}

}  // namespace

void RunWhileDispatching(const std::function<void()>& work) {
  UniqueHandle thread(CreateThread(nullptr, 0, RunWork,
                                   const_cast<std::function<void()>*>(&work), 0, nullptr));
  if (!thread) {
    work();
    return;
  }
  HANDLE handle = thread.Get();
  bool dispatching = true;
  while (dispatching) {
    const DWORD woken =
        MsgWaitForMultipleObjectsEx(1, &handle, INFINITE, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    if (woken != WAIT_OBJECT_0 + 1) break;  // the work ended, or the wait failed
    dispatching = DispatchPendingMessages();
  }
  // The work uses the caller's objects: it must have ended before they go.
  WaitForSingleObject(handle, INFINITE);
}
