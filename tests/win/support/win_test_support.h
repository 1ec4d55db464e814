#pragma once

#include <windows.h>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

// Helpers for tests that run under Wine.

// A path of the Linux side as Windows programs under Wine see it (drive Z: is the root).
std::wstring WindowsPath(const std::string& unixPath);
// The folder where the Windows test programs and the fake tools are built.
std::wstring WinTestDirectory();

// A fresh folder under %TEMP%, deleted with its files when the object goes.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  const std::wstring& Path() const { return path_; }  // with trailing backslash
  std::wstring File(const std::wstring& name) const { return path_ + name; }

 private:
  std::wstring path_;
};

// A DLL copied into the prefix's system folder (the one place the program loads system DLLs
// from) for the object's life.
class SystemFolderDll {
 public:
  SystemFolderDll(const std::wstring& sourcePath, const std::wstring& name);
  ~SystemFolderDll();
  SystemFolderDll(const SystemFolderDll&) = delete;
  SystemFolderDll& operator=(const SystemFolderDll&) = delete;
  bool Placed() const { return placed_; }

 private:
  std::wstring path_;
  bool placed_ = false;
};

std::string ReadFileBytes(const std::wstring& path);
void WriteFileBytes(const std::wstring& path, const std::string& bytes);
std::vector<std::string> ReadLines(const std::wstring& path);

// Polls `condition` every 50 ms until it holds or the time is up.
bool WaitUntil(const std::function<bool()>& condition,
               std::chrono::milliseconds timeout = std::chrono::seconds(20));

// A started process, ended (terminated if still running) when the object goes.
class ChildProcess {
 public:
  ChildProcess(const std::wstring& commandLine, const std::wstring& directory = L"");
  ~ChildProcess();
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;
  bool Started() const { return info_.hProcess != nullptr; }
  DWORD Id() const { return info_.dwProcessId; }
  // Waits for the end; the exit code, or -1 when it did not end in time.
  long Wait(std::chrono::milliseconds timeout = std::chrono::seconds(30));
  bool Running() const;

 private:
  PROCESS_INFORMATION info_{};
};

// A top-level window of the given class and caption that belongs to `processId` (0: any).
HWND FindProcessWindow(DWORD processId, const wchar_t* className, const wchar_t* caption);

// A message box as a user sees it.
struct MessageBoxSeen {
  HWND window = nullptr;
  std::wstring caption;
  std::wstring text;
  bool hasCancel = false;
};

// Waits for a message box with `caption` (of any process when processId is 0).
MessageBoxSeen WaitForMessageBox(const std::wstring& caption, DWORD processId = 0,
                                 std::chrono::milliseconds timeout = std::chrono::seconds(20));
// Presses one of the box's buttons (IDOK, IDCANCEL), as a click would.
void PressButton(HWND box, int buttonId);
// Presses Escape in the box.
void PressEscape(HWND box);
// A left click at a point of the window's client area, by posted mouse messages.
void ClickAt(HWND window, int x, int y);
// Answers every message box of a process with its default button (so a failing test
// does not leave a blocked thread behind).
void CloseMessageBoxes(DWORD processId);
