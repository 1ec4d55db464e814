#pragma once

#include <windows.h>
// shellapi.h needs windows.h first.
#include <shellapi.h>

#include <functional>
#include <string>

#include "toolkit/input_hold.h"

namespace toolkit::win32 {

// The notification-area icon of a window: added at construction, removed at destruction, and
// added again when Explorer restarts ("TaskbarCreated"). Feed the window's messages to
// HandleMessage.
class TrayIcon {
 public:
  TrayIcon(HWND window, HICON icon, std::wstring tooltip, UINT callbackMessage = WM_APP + 0x41);
  ~TrayIcon();
  TrayIcon(const TrayIcon&) = delete;
  TrayIcon& operator=(const TrayIcon&) = delete;

  // Left button pressed and released on the icon.
  std::function<void()> onClick;
  // Right button released on the icon (open the menu here).
  std::function<void()> onMenu;
  // While held, clicks on the icon do nothing (not owned).
  const InputHold* inputHold = nullptr;
  // True when the message was the icon's.
  bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  bool IsAdded() const { return added_; }
  int AddCount() const { return adds_; }

 private:
  bool Add();
  NOTIFYICONDATAW Data() const;
  HWND window_;
  HICON icon_;
  std::wstring tooltip_;
  UINT callbackMessage_;
  UINT taskbarCreated_;
  bool added_ = false;
  bool leftPressed_ = false;
  int adds_ = 0;
};

}  // namespace toolkit::win32
