// Prints the text of a message box as UTF-8, for end-to-end checks of what a user reads:
//   box_text <caption>
// Exit code 0 when a visible box with that caption was found, 1 otherwise.
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

struct Search {
  const wchar_t* caption;
  HWND found = nullptr;
};

BOOL CALLBACK Visit(HWND window, LPARAM parameter) {
  auto* search = reinterpret_cast<Search*>(parameter);
  wchar_t className[16] = {};
  wchar_t caption[256] = {};
  GetClassNameW(window, className, 16);
  GetWindowTextW(window, caption, 256);
  if (IsWindowVisible(window) && std::wstring(className) == L"#32770" &&
      std::wstring(caption) == search->caption) {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 2) return 2;
  Search search{argv[1]};
  EnumWindows(Visit, reinterpret_cast<LPARAM>(&search));
  if (!search.found) return 1;
  // The message box keeps its text in the static control 0xFFFF.
  wchar_t text[4096] = {};
  GetDlgItemTextW(search.found, 0xFFFF, text, 4096);
  const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
  std::string bytes(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text, -1, bytes.data(), size, nullptr, nullptr);
  std::fwrite(bytes.data(), 1, bytes.size() - 1, stdout);
  return 0;
}
