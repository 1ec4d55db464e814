#include "win/support/win_test_support.h"

#include <fstream>
#include <sstream>
#include <thread>

std::wstring WindowsPath(const std::string& unixPath) {
  std::wstring path = L"Z:";
  for (char c : unixPath) path += c == '/' ? L'\\' : static_cast<wchar_t>(static_cast<unsigned char>(c));
  return path;
}

std::wstring WinTestDirectory() { return WindowsPath(PELANTO_WINTEST_DIR) + L"\\"; }

TempFolder::TempFolder() {
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  static int counter = 0;
  path_ = std::wstring(temp) + L"pelanto-test-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
          std::to_wstring(++counter) + L"\\";
  CreateDirectoryW(path_.c_str(), nullptr);
}

TempFolder::~TempFolder() {
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW((path_ + L"*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      const std::wstring name = found.cFileName;
      if (name != L"." && name != L"..") DeleteFileW((path_ + name).c_str());
    } while (FindNextFileW(search, &found));
    FindClose(search);
  }
  RemoveDirectoryW(path_.c_str());
}

SystemFolderDll::SystemFolderDll(const std::wstring& sourcePath, const std::wstring& name) {
  wchar_t folder[MAX_PATH];
  const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return;
  path_ = std::wstring(folder, length) + L"\\" + name;
  placed_ = CopyFileW(sourcePath.c_str(), path_.c_str(), FALSE) != FALSE;
}

SystemFolderDll::~SystemFolderDll() {
  if (placed_) DeleteFileW(path_.c_str());
}

std::string ReadFileBytes(const std::wstring& path) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return {};
  std::string bytes;
  char buffer[65536];
  DWORD read = 0;
  while (ReadFile(file, buffer, sizeof(buffer), &read, nullptr) && read > 0) bytes.append(buffer, read);
  CloseHandle(file);
  return bytes;
}

void WriteFileBytes(const std::wstring& path, const std::string& bytes) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  DWORD written = 0;
  WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
}

std::vector<std::string> ReadLines(const std::wstring& path) {
  std::vector<std::string> lines;
  std::istringstream stream(ReadFileBytes(path));
  for (std::string line; std::getline(stream, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

bool WaitUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout) {
  const auto end = std::chrono::steady_clock::now() + timeout;
  while (!condition()) {
    if (std::chrono::steady_clock::now() > end) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  return true;
}

ChildProcess::ChildProcess(const std::wstring& commandLine, const std::wstring& directory) {
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  std::wstring line = commandLine;
  if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      directory.empty() ? nullptr : directory.c_str(), &startup, &info_)) {
    info_ = {};
  }
}

ChildProcess::~ChildProcess() {
  if (!info_.hProcess) return;
  if (Running()) {
    TerminateProcess(info_.hProcess, 99);
    WaitForSingleObject(info_.hProcess, 5000);
  }
  CloseHandle(info_.hProcess);
  CloseHandle(info_.hThread);
}

long ChildProcess::Wait(std::chrono::milliseconds timeout) {
  if (!info_.hProcess) return -1;
  if (WaitForSingleObject(info_.hProcess, static_cast<DWORD>(timeout.count())) != WAIT_OBJECT_0) return -1;
  DWORD code = 0;
  GetExitCodeProcess(info_.hProcess, &code);
  return static_cast<long>(code);
}

bool ChildProcess::Running() const {
  return info_.hProcess && WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT;
}

namespace {

struct WindowQuery {
  DWORD processId;
  const wchar_t* className;
  const wchar_t* caption;
  HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM parameter) {
  auto* query = reinterpret_cast<WindowQuery*>(parameter);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (query->processId && owner != query->processId) return TRUE;
  wchar_t text[256] = {};
  if (query->className) {
    GetClassNameW(window, text, 256);
    if (std::wstring(text) != query->className) return TRUE;
  }
  if (query->caption) {
    GetWindowTextW(window, text, 256);
    if (std::wstring(text) != query->caption) return TRUE;
  }
  query->found = window;
  return FALSE;
}

std::wstring WindowText(HWND window) {
  const int length = GetWindowTextLengthW(window);
  std::wstring text(length + 1, L'\0');
  GetWindowTextW(window, text.data(), length + 1);
  text.resize(length);
  return text;
}

}  // namespace

HWND FindProcessWindow(DWORD processId, const wchar_t* className, const wchar_t* caption) {
  WindowQuery query{processId, className, caption, nullptr};
  EnumWindows(&MatchWindow, reinterpret_cast<LPARAM>(&query));
  return query.found;
}

MessageBoxSeen WaitForMessageBox(const std::wstring& caption, DWORD processId,
                                 std::chrono::milliseconds timeout) {
  MessageBoxSeen seen;
  WaitUntil(
      [&] {
        seen.window = FindProcessWindow(processId, L"#32770", caption.c_str());
        return seen.window && IsWindowVisible(seen.window);
      },
      timeout);
  if (!seen.window) return seen;
  seen.caption = WindowText(seen.window);
  // The message text is the box's static control 0xFFFF.
  if (HWND text = GetDlgItem(seen.window, 0xFFFF)) seen.text = WindowText(text);
  seen.hasCancel = GetDlgItem(seen.window, IDCANCEL) != nullptr;
  return seen;
}

void PressButton(HWND box, int buttonId) {
  if (HWND button = GetDlgItem(box, buttonId)) PostMessageW(button, BM_CLICK, 0, 0);
}

void PressEscape(HWND box) {
  HWND target = GetDlgItem(box, IDOK);
  if (!target) target = box;
  PostMessageW(target, WM_KEYDOWN, VK_ESCAPE, 0);
  PostMessageW(target, WM_KEYUP, VK_ESCAPE, 0);
}

void ClickAt(HWND window, int x, int y) {
  const LPARAM point = MAKELPARAM(x, y);
  PostMessageW(window, WM_MOUSEMOVE, 0, point);
  PostMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, point);
  PostMessageW(window, WM_LBUTTONUP, 0, point);
}

void CloseMessageBoxes(DWORD processId) {
  for (int i = 0; i < 10; ++i) {
    HWND box = FindProcessWindow(processId, L"#32770", nullptr);
    if (!box) return;
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    PostMessageW(box, WM_COMMAND, IDCANCEL, 0);
    WaitUntil([&] { return !IsWindow(box); }, std::chrono::seconds(2));
  }
}
