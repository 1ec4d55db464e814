// Prints what a shown message box says, as a test reads it off the screen:
//   window_text <caption>
// Writes the texts of the box's child windows (its message, its buttons) in UTF-8, one a line.
// Exit code 0 when such a box is shown, 1 when none is, 2 for bad arguments.
#include <windows.h>

#include <string>

namespace {

constexpr wchar_t kMessageBoxClass[] = L"#32770";

struct Search {
  const wchar_t* caption;
  HWND found = nullptr;
};

std::wstring TextOf(HWND window) {
  std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(static_cast<size_t>(GetWindowTextW(window, text.data(), int(text.size()))));
  return text;
}

BOOL CALLBACK MatchBox(HWND window, LPARAM context) {
  auto& search = *reinterpret_cast<Search*>(context);
  wchar_t className[64] = {};
  GetClassNameW(window, className, 64);
  if (IsWindowVisible(window) && lstrcmpW(className, kMessageBoxClass) == 0 &&
      TextOf(window) == search.caption) {
    search.found = window;
    return FALSE;
  }
  return TRUE;
}

BOOL CALLBACK PrintText(HWND window, LPARAM) {
  const std::wstring text = TextOf(window) + L"\n";
  const int size =
      WideCharToMultiByte(CP_UTF8, 0, text.data(), int(text.size()), nullptr, 0, nullptr, nullptr);
  std::string utf8(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), int(text.size()), utf8.data(), size, nullptr,
                      nullptr);
  DWORD written = 0;
  WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), utf8.data(), DWORD(utf8.size()), &written, nullptr);
  return TRUE;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 2) return 2;
  Search search{argv[1]};
  EnumWindows(MatchBox, reinterpret_cast<LPARAM>(&search));
  if (search.found == nullptr) return 1;
  EnumChildWindows(search.found, PrintText, 0);
  return 0;
}
