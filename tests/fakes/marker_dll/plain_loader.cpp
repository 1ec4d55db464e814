// plain_loader NAME: loads the DLL NAME with the default search order; exit code 0 when loaded.
#include <windows.h>
// shellapi.h needs windows.h first.
#include <shellapi.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  int count = 0;
  LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
  if (!arguments) return 2;
  const int result = count > 1 && LoadLibraryW(arguments[1]) != nullptr ? 0 : 1;
  LocalFree(arguments);
  return result;
}
