#include "toolkit/win32/tray_icon.h"

namespace toolkit::win32 {

TrayIcon::TrayIcon(HWND window, HICON icon, std::wstring tooltip, UINT callbackMessage)
    : window_(window),
      icon_(icon),
      tooltip_(std::move(tooltip)),
      callbackMessage_(callbackMessage),
      taskbarCreated_(RegisterWindowMessageW(L"TaskbarCreated")) {
  Add();
}

TrayIcon::~TrayIcon() {
  if (!added_) return;
  NOTIFYICONDATAW data = Data();
  Shell_NotifyIconW(NIM_DELETE, &data);
}

NOTIFYICONDATAW TrayIcon::Data() const {
  NOTIFYICONDATAW data{};
  data.cbSize = sizeof(data);
  data.hWnd = window_;
  data.uID = 1;
  data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  data.uCallbackMessage = callbackMessage_;
  data.hIcon = icon_;
  lstrcpynW(data.szTip, tooltip_.c_str(), ARRAYSIZE(data.szTip));
  return data;
}

bool TrayIcon::Add() {
  NOTIFYICONDATAW data = Data();
  added_ = Shell_NotifyIconW(NIM_ADD, &data) != FALSE;
  if (added_) ++adds_;
  return added_;
}

bool TrayIcon::HandleMessage(UINT message, WPARAM, LPARAM lParam) {
  if (message == taskbarCreated_ && taskbarCreated_ != 0) {
    // A new taskbar has no icons; drop any stale registration before adding ours again.
    NOTIFYICONDATAW data = Data();
    Shell_NotifyIconW(NIM_DELETE, &data);
    Add();
    return true;
  }
  if (message != callbackMessage_) return false;
  if (inputHold != nullptr && inputHold->Held()) {
    leftPressed_ = false;
    return true;
  }
  switch (LOWORD(lParam)) {
    case WM_LBUTTONDOWN:
      leftPressed_ = true;
      break;
    case WM_LBUTTONUP:
      if (leftPressed_ && onClick) onClick();
      leftPressed_ = false;
      break;
    case WM_RBUTTONUP:
      if (onMenu) onMenu();
      break;
    default:
      break;
  }
  return true;
}

}  // namespace toolkit::win32
