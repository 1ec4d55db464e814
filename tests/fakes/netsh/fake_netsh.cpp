// A stand-in for the system's netsh, for tests: the Wine test prefix has it as
// system32\netsh.exe (Wine runs it instead of its own with WINEDLLOVERRIDES netsh.exe=n).
// It works in the folder named by PELANTO_NETSH_DIR (without it, it prints nothing and exits 0):
//   log.txt         every command line received is appended, as raw bytes, one per line
//   programs.txt    the full path of the program that ran, one line per command
//   <cmd>.out       bytes printed for the command (cmd: stop, disallow, allow, start, other)
//   <cmd>.wording   the name of a real netsh message to print, in the ANSI code page (see
//                   kWordings: zh-CN, en and zh-TW, "not-running" and "could-not-start")
//   <cmd>.exit      its exit code, as decimal text
//   <cmd>.sleep     milliseconds to wait before exiting
//   <cmd>.hang      when present, never exits
//   <cmd>.flood     when present, prints lines of 4 KiB without end
#include <windows.h>

#include <cstdlib>
#include <string>

namespace {

std::string ReadAll(const std::string& path, bool& found) {
  found = false;
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return {};
  found = true;
  std::string bytes;
  char buffer[65536];
  DWORD read = 0;
  while (ReadFile(file, buffer, sizeof(buffer), &read, nullptr) && read > 0) bytes.append(buffer, read);
  CloseHandle(file);
  return bytes;
}

void AppendLine(const std::string& path, const std::string& line) {
  // Shared for writing and retried, so a reader or a copy still closing the log never costs a
  // line (a lost line would look like a command that was not run).
  HANDLE file = INVALID_HANDLE_VALUE;
  for (int attempt = 0; attempt < 50 && file == INVALID_HANDLE_VALUE; ++attempt) {
    if (attempt > 0) Sleep(20);
    file = CreateFileA(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                       OPEN_ALWAYS, 0, nullptr);
  }
  if (file == INVALID_HANDLE_VALUE) return;
  const std::string text = line + "\n";
  DWORD written = 0;
  WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
  CloseHandle(file);
}

struct Wording {
  const char* name;
  const wchar_t* text;
};
// What netsh prints when the WLAN service is stopped or the hosted network does not start, in
// three display languages.
constexpr Wording kWordings[] = {
    {"zh-CN-not-running", L"无线自动配置服务(wlansvc)没有运行。\r\n"},
    {"zh-CN-could-not-start",
     L"无法启动承载网络。\r\n组或资源的状态不是执行请求操作的正确状态。\r\n"},
    {"en-not-running", L"The Wireless AutoConfig Service (wlansvc) is not running.\r\n"},
    {"en-could-not-start",
     L"The hosted network couldn't be started.\r\nThe group or resource is not in the correct "
     L"state to perform the requested operation.\r\n"},
    {"zh-TW-not-running", L"無線自動設定服務 (wlansvc) 未執行。\r\n"},
    {"zh-TW-could-not-start", L"無法啟動主控網路。\r\n群組或資源的狀態不正確，無法執行要求的作業。\r\n"},
};

std::string WordingBytes(std::string name) {
  while (!name.empty() && (name.back() == '\n' || name.back() == '\r' || name.back() == ' ')) {
    name.pop_back();
  }
  for (const Wording& wording : kWordings) {
    if (name != wording.name) continue;
    const int size = WideCharToMultiByte(CP_ACP, 0, wording.text, -1, nullptr, 0, nullptr, nullptr);
    std::string bytes(size > 0 ? size : 0, '\0');
    WideCharToMultiByte(CP_ACP, 0, wording.text, -1, bytes.data(), size, nullptr, nullptr);
    if (!bytes.empty()) bytes.pop_back();  // the terminating NUL
    return bytes;
  }
  return "unknown wording " + name + "\r\n";
}

void Write(const std::string& bytes) {
  DWORD written = 0;
  if (!bytes.empty()) {
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), bytes.data(), static_cast<DWORD>(bytes.size()),
              &written, nullptr);
  }
}

[[noreturn]] void Flood() {
  const std::string line = std::string(4094, 'x') + "\r\n";
  for (;;) Write(line);
}

std::string CommandName(const std::string& line) {
  if (line.find("stop hostednetwork") != std::string::npos) return "stop";
  if (line.find("mode=disallow") != std::string::npos) return "disallow";
  if (line.find("mode=allow") != std::string::npos) return "allow";
  if (line.find("start hostednetwork") != std::string::npos) return "start";
  return "other";
}

}  // namespace

int main() {
  char folder[MAX_PATH];
  const DWORD length = GetEnvironmentVariableA("PELANTO_NETSH_DIR", folder, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return 0;
  const std::string base = std::string(folder) + "\\";
  const std::string line = GetCommandLineA();
  char program[MAX_PATH] = "";
  GetModuleFileNameA(nullptr, program, MAX_PATH);
  AppendLine(base + "programs.txt", program);
  AppendLine(base + "log.txt", line);

  const std::string name = CommandName(line);
  bool found = false;
  Write(ReadAll(base + name + ".out", found));
  const std::string wording = ReadAll(base + name + ".wording", found);
  if (found) Write(WordingBytes(wording));
  ReadAll(base + name + ".flood", found);
  if (found) Flood();
  const std::string sleep = ReadAll(base + name + ".sleep", found);
  if (found) Sleep(static_cast<DWORD>(std::atoi(sleep.c_str())));
  ReadAll(base + name + ".hang", found);
  if (found) Sleep(INFINITE);
  const std::string exitCode = ReadAll(base + name + ".exit", found);
  return found ? std::atoi(exitCode.c_str()) : 0;
}
