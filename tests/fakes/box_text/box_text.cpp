// Prints every shown message box as "caption<TAB>text" lines in UTF-8, as the end-to-end suite
// reads what the program tells its user:
//   box_text
// Exit code 0 when there is one, 1 without.
#include <windows.h>

#include <string>

namespace {

std::wstring TextOf(HWND window) {
  std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(
      static_cast<size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

BOOL CALLBACK AddBox(HWND window, LPARAM found) {
  wchar_t className[16] = {};
  GetClassNameW(window, className, 16);
  if (std::wstring(className) != L"#32770" || !IsWindowVisible(window)) return TRUE;
  // A message box's text is its static control 0xFFFF.
  HWND text = GetDlgItem(window, 0xFFFF);
  *reinterpret_cast<std::wstring*>(found) +=
      TextOf(window) + L"\t" + (text ? TextOf(text) : std::wstring()) + L"\n";
  return TRUE;
}

}  // namespace

int wmain() {
  std::wstring boxes;
  EnumWindows(&AddBox, reinterpret_cast<LPARAM>(&boxes));
  const int size = WideCharToMultiByte(CP_UTF8, 0, boxes.data(), static_cast<int>(boxes.size()),
                                       nullptr, 0, nullptr, nullptr);
  std::string bytes(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, boxes.data(), static_cast<int>(boxes.size()), bytes.data(), size,
                      nullptr, nullptr);
  DWORD written = 0;
  WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), bytes.data(), static_cast<DWORD>(bytes.size()),
            &written, nullptr);
  return boxes.empty() ? 1 : 0;
}
