// Posts a window message to the program's main window, as another program on the machine would:
//   post_message <message number> [wParam]   (numbers decimal or 0x hex)
// Exit code 0 when posted, 1 without such a window, 2 for bad arguments.
#include <windows.h>

#include <cwchar>

namespace {

bool ReadNumber(const wchar_t* text, unsigned long& value) {
  wchar_t* end = nullptr;
  value = std::wcstoul(text, &end, 0);
  return end != text && *end == L'\0';
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  unsigned long message = 0;
  unsigned long wParam = 0;
  if (argc < 2 || argc > 3 || !ReadNumber(argv[1], message)) return 2;
  if (argc == 3 && !ReadNumber(argv[2], wParam)) return 2;
  HWND window = FindWindowW(L"TzenTuraMain", L"Pelanto");
  if (window == nullptr) return 1;
  return PostMessageW(window, static_cast<UINT>(message), wParam, 0) ? 0 : 1;
}
