// The least a per-pixel-alpha window needs: one popup the program's size, centred in the work
// area, showing a single-colour premultiplied bitmap through UpdateLayeredWindow until closed.
// Start-up time and memory of the real program are measured against this one.
#include <windows.h>

#include <cstdint>

namespace {

constexpr wchar_t kClassName[] = L"MinimalLayered";
constexpr int kWidth = 348;
constexpr int kHeight = 413;
// Opaque, so premultiplied and straight colour are the same: B, G, R, A from the low byte up.
constexpr std::uint32_t kFill = 0xFF3A7CC5;  // RGB (58, 124, 197)

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  // WM_CLOSE goes to DefWindowProc, which destroys the window.
  return DefWindowProcW(window, message, wParam, lParam);
}

// Fills a 32-bit top-down DIB with the colour and hands it to the window; false on failure.
bool ShowFrame(HWND window, POINT at) {
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = kWidth;
  info.bmiHeader.biHeight = -kHeight;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP bitmap =
      memory ? CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0) : nullptr;
  bool shown = false;
  if (bitmap) {
    auto* pixel = static_cast<std::uint32_t*>(bits);
    for (int i = 0; i < kWidth * kHeight; ++i) pixel[i] = kFill;
    HGDIOBJ previous = SelectObject(memory, bitmap);
    SIZE size{kWidth, kHeight};
    POINT source{0, 0};
    BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    shown = UpdateLayeredWindow(window, screen, &at, &size, memory, &source, 0, &blend,
                                ULW_ALPHA) != FALSE;
    SelectObject(memory, previous);
    DeleteObject(bitmap);
  }
  if (memory) DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return shown;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wc.lpfnWndProc = WindowProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.lpszClassName = kClassName;
  if (!RegisterClassExW(&wc)) return 1;

  RECT work{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  POINT at{work.left + (work.right - work.left - kWidth) / 2,
           work.top + (work.bottom - work.top - kHeight) / 2};
  HWND window = CreateWindowExW(WS_EX_LAYERED, kClassName, L"Minimal", WS_POPUP, at.x, at.y, kWidth,
                                kHeight, nullptr, nullptr, instance, nullptr);
  if (!window) return 1;
  if (!ShowFrame(window, at)) {
    DestroyWindow(window);
    return 1;
  }
  ShowWindow(window, SW_SHOW);

  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}
