#include <windows.h>

#include <shellapi.h>

#include <string>
#include <vector>

#include "common/win32/helpers.h"
#include "shell/win32/main_window_win32.h"
#include "shell/win32/single_instance_win32.h"
#include "sharing/win32/sharing_startup.h"

namespace {

// The command-line parameters after the program's own name.
std::vector<std::wstring> CommandLineParameters() {
  std::vector<std::wstring> parameters;
  int count = 0;
  if (LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count)) {
    for (int i = 1; i < count; ++i) parameters.emplace_back(arguments[i]);
    LocalFree(arguments);
  }
  return parameters;
}

int RunMessageLoop() {
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  // NetShell.dll, then COM on this thread; undone last, after the window and its components.
  SharingStartup sharing;
  OsMajorVersion();  // read once, at start

  if (!CheckSingleInstance()) {
    MessageBoxW(nullptr, L"《Pelanto》已经启动！", L"提示", MB_OK | MB_ICONINFORMATION);
    return 0;
  }
  {
    MainWindow window(sharing.Platform(), CommandLineParameters());
    if (window.Create(instance)) {
      RunMessageLoop();
      window.Destroy();
    }
  }
  // Released only after the shutdown work, so a new copy cannot start the hosted network
  // while this one is still stopping it.
  ReleaseSingleInstance();
  return 0;
}
