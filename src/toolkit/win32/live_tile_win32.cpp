#include "toolkit/win32/live_tile.h"

namespace toolkit::win32 {
namespace {

constexpr wchar_t kClassName[] = L"PelantoLiveTile";

void RegisterTileClass() {
  WNDCLASSEXW wc{};
  if (GetClassInfoExW(GetModuleHandleW(nullptr), kClassName, &wc)) return;
  wc.cbSize = sizeof(wc);
  wc.lpfnWndProc = DefWindowProcW;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.lpszClassName = kClassName;
  RegisterClassExW(&wc);
}

}  // namespace

void LiveTile::Destroy() {
  if (hwnd_ != nullptr) DestroyWindow(hwnd_);
  hwnd_ = nullptr;
  shown_ = false;
}

POINT LiveTile::ScreenPlace() const {
  POINT at{area_.left, area_.top};
  ClientToScreen(owner_, &at);
  return at;
}

bool LiveTile::Show(HDC source, const RectI& area) {
  if (hwnd_ == nullptr) {
    RegisterTileClass();
    // Transparent to the mouse and never activated; owned, so above the owner and without a
    // taskbar button.
    hwnd_ = CreateWindowExW(WS_EX_LAYERED | WS_EX_TRANSPARENT | WS_EX_NOACTIVATE | WS_EX_TOOLWINDOW,
                            kClassName, L"", WS_POPUP, 0, 0, 1, 1, owner_, nullptr,
                            GetModuleHandleW(nullptr), nullptr);
    if (hwnd_ == nullptr) return false;
  }
  area_ = area;
  POINT at = ScreenPlace();
  SIZE size{area.Width(), area.Height()};
  POINT from{area.left, area.top};
  BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  if (!UpdateLayeredWindow(hwnd_, nullptr, &at, &size, source, &from, 0, &blend, ULW_ALPHA)) {
    Hide();
    return false;
  }
  if (!shown_) ShowWindow(hwnd_, SW_SHOWNOACTIVATE);
  shown_ = true;
  return true;
}

void LiveTile::Hide() {
  if (shown_) ShowWindow(hwnd_, SW_HIDE);
  shown_ = false;
}

void LiveTile::Place() {
  if (!shown_) return;
  const POINT at = ScreenPlace();
  SetWindowPos(hwnd_, nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool IsOpaque(const Bitmap& picture, const RectI& area) {
  const RectI inside = area.Intersect(picture.Bounds());
  if (inside != area) return false;
  for (int y = area.top; y < area.bottom; ++y) {
    const uint32_t* row = picture.Row(y);
    for (int x = area.left; x < area.right; ++x) {
      if ((row[x] >> 24) != 0xFF) return false;
    }
  }
  return true;
}

}  // namespace toolkit::win32
