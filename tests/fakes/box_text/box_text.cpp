// Prints the caption and, on the next line, the text of a message box on the screen as UTF-8,
// for end-to-end checks of what a user reads. Exit code 0 when a box was found, 1 otherwise.
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

BOOL CALLBACK Visit(HWND window, LPARAM parameter) {
  wchar_t className[16] = {};
  GetClassNameW(window, className, 16);
  if (IsWindowVisible(window) && std::wstring(className) == L"#32770") {
    *reinterpret_cast<HWND*>(parameter) = window;
    return FALSE;
  }
  return TRUE;
}

std::string Utf8(const std::wstring& text) {
  const int size = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()),
                                       nullptr, 0, nullptr, nullptr);
  std::string bytes(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), bytes.data(), size,
                      nullptr, nullptr);
  return bytes;
}

}  // namespace

int wmain() {
  HWND box = nullptr;
  EnumWindows(Visit, reinterpret_cast<LPARAM>(&box));
  if (!box) return 1;
  wchar_t caption[256] = {};
  GetWindowTextW(box, caption, 256);
  // The message box keeps its text in the static control 0xFFFF.
  wchar_t text[4096] = {};
  GetDlgItemTextW(box, 0xFFFF, text, 4096);
  const std::string bytes = Utf8(std::wstring(caption) + L"\n" + text);
  std::fwrite(bytes.data(), 1, bytes.size(), stdout);
  return 0;
}
