#include <windows.h>
// shellapi.h needs windows.h first.
#include <shellapi.h>

#include <string>
#include <utility>
#include <vector>

#include "common/win32/helpers.h"
#include "common/win32/system_library.h"
#include "sharing/win32/sharing_startup.h"
#include "shell/start_parameters.h"
#include "shell/win32/main_window_win32.h"
#include "shell/win32/single_instance_win32.h"

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
  // Before any DLL is loaded: none from the program's folder or the current one.
  RestrictDllSearchToSystemFolder();
  // NetShell.dll, then COM on this thread; undone last, after the window and its components.
  SharingStartup sharing;
  OsMajorVersion();  // read once, at start

  std::vector<std::wstring> parameters = CommandLineParameters();
  if (!CheckSingleInstance()) {
    // Without UAC both the Run value and the logon task start a copy: the second goes quietly.
    if (IsLogonStart(parameters)) return 0;
    MessageBoxW(nullptr, L"《Pelanto》已经启动！", L"提示", MB_OK | MB_ICONINFORMATION);
    return 0;
  }
  {
    MainWindow window(sharing.Platform(), std::move(parameters));
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
