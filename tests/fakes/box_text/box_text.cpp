// Prints the text of the shown message box with the given caption, in UTF-8, as the end-to-end
// suite reads what the program tells its user:
//   box_text <caption>
// Exit code 0 when found, 1 without such a box, 2 for bad arguments.
#include <windows.h>

#include <string>

int wmain(int argc, wchar_t** argv) {
  if (argc != 2) return 2;
  HWND box = FindWindowW(L"#32770", argv[1]);
  if (!box || !IsWindowVisible(box)) return 1;
  // A message box's text is its static control 0xFFFF.
  HWND text = GetDlgItem(box, 0xFFFF);
  if (!text) return 1;
  std::wstring wide(static_cast<size_t>(GetWindowTextLengthW(text)) + 1, L'\0');
  wide.resize(
      static_cast<size_t>(GetWindowTextW(text, wide.data(), static_cast<int>(wide.size()))));
  const int size = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()),
                                       nullptr, 0, nullptr, nullptr);
  std::string bytes(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), bytes.data(), size,
                      nullptr, nullptr);
  DWORD written = 0;
  WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), bytes.data(), static_cast<DWORD>(bytes.size()),
            &written, nullptr);
  return 0;
}
