// Prints what the shown message boxes say, as a test reads them off the screen:
//   window_text
// For each box: its caption, its message, then the texts of its other child windows (buttons),
// each ended by U+001F, the box ended by U+001E; all in UTF-8. (No caption is taken as an
// argument: Wine may not pass Chinese command-line text through unchanged.)
#include <windows.h>

#include <string>

namespace {

constexpr wchar_t kMessageBoxClass[] = L"#32770";

std::wstring TextOf(HWND window) {
  std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(static_cast<size_t>(GetWindowTextW(window, text.data(), int(text.size()))));
  return text;
}

// A message box's message is its static control 0xFFFF.
constexpr int kMessageControlId = 0xFFFF;

BOOL CALLBACK AddChildText(HWND window, LPARAM context) {
  if (GetDlgCtrlID(window) == kMessageControlId) return TRUE;  // written first
  *reinterpret_cast<std::wstring*>(context) += TextOf(window) + L"\x1F";
  return TRUE;
}

BOOL CALLBACK AddBox(HWND window, LPARAM context) {
  wchar_t className[64] = {};
  GetClassNameW(window, className, 64);
  if (IsWindowVisible(window) && lstrcmpW(className, kMessageBoxClass) == 0) {
    auto& out = *reinterpret_cast<std::wstring*>(context);
    out += TextOf(window) + L"\x1F";
    const HWND message = GetDlgItem(window, kMessageControlId);
    out += (message ? TextOf(message) : std::wstring()) + L"\x1F";
    EnumChildWindows(window, AddChildText, context);
    out += L"\x1E";
  }
  return TRUE;
}

}  // namespace

int wmain() {
  std::wstring boxes;
  EnumWindows(AddBox, reinterpret_cast<LPARAM>(&boxes));
  const int size = WideCharToMultiByte(CP_UTF8, 0, boxes.data(), int(boxes.size()), nullptr, 0,
                                       nullptr, nullptr);
  std::string utf8(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, boxes.data(), int(boxes.size()), utf8.data(), size, nullptr,
                      nullptr);
  DWORD written = 0;
  WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), utf8.data(), DWORD(utf8.size()), &written, nullptr);
  return 0;
}
