// Prints what a message box tells the user, in UTF-8, for the end-to-end suite:
//   box_text <caption>   the text of the shown box with that caption
//   box_text             the caption of the first shown box, a line break, then its text
// Exit code 0 when found, 1 without such a box, 2 for bad arguments.
#include <windows.h>

#include <string>

namespace {

BOOL CALLBACK FindShownBox(HWND window, LPARAM parameter) {
  wchar_t className[16] = {};
  GetClassNameW(window, className, 16);
  if (IsWindowVisible(window) && std::wstring(className) == L"#32770") {
    *reinterpret_cast<HWND*>(parameter) = window;
    return FALSE;
  }
  return TRUE;
}

std::wstring TextOf(HWND window) {
  std::wstring wide(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  wide.resize(
      static_cast<size_t>(GetWindowTextW(window, wide.data(), static_cast<int>(wide.size()))));
  return wide;
}

void PrintUtf8(const std::wstring& wide) {
  const int size = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()),
                                       nullptr, 0, nullptr, nullptr);
  std::string bytes(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), bytes.data(), size,
                      nullptr, nullptr);
  DWORD written = 0;
  WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), bytes.data(), static_cast<DWORD>(bytes.size()),
            &written, nullptr);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc > 2) return 2;
  HWND box = nullptr;
  if (argc == 2) {
    box = FindWindowW(L"#32770", argv[1]);
  } else {
    EnumWindows(FindShownBox, reinterpret_cast<LPARAM>(&box));
  }
  if (!box || !IsWindowVisible(box)) return 1;
  // A message box's text is its static control 0xFFFF.
  HWND text = GetDlgItem(box, 0xFFFF);
  if (!text) return 1;
  PrintUtf8(argc == 2 ? TextOf(text) : TextOf(box) + L"\n" + TextOf(text));
  return 0;
}
