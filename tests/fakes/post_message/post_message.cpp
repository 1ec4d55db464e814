// Posts a window message to the program's main window, as another program on the machine would:
//   post_message <message number, decimal or 0x hex>
// Exit code 0 when posted, 1 without such a window, 2 for bad arguments.
#include <windows.h>

#include <cwchar>

int wmain(int argc, wchar_t** argv) {
  if (argc != 2) return 2;
  wchar_t* end = nullptr;
  const unsigned long message = std::wcstoul(argv[1], &end, 0);
  if (end == argv[1] || *end != L'\0') return 2;
  HWND window = FindWindowW(L"TzenTuraMain", L"Pelanto");
  if (window == nullptr) return 1;
  return PostMessageW(window, static_cast<UINT>(message), 0, 0) ? 0 : 1;
}
