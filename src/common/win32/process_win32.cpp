#include <vector>

#include "common/command_output.h"
#include "common/win32/helpers.h"
#include "common/win32/unique_handle.h"

namespace {

constexpr DWORD kPollMs = 100;
constexpr DWORD kMaxReadBytes = 1 << 20;

// Reads whatever the pipe holds right now, never waiting for more. False when reading fails.
bool DrainPipe(HANDLE pipe, CommandOutputLines& lines, bool& gotData) {
  gotData = false;
  std::vector<char> buffer;
  for (;;) {
    DWORD available = 0;
    if (!PeekNamedPipe(pipe, nullptr, 0, nullptr, &available, nullptr)) return false;
    if (available == 0) return true;
    buffer.resize(available < kMaxReadBytes ? available : kMaxReadBytes);
    DWORD read = 0;
    if (!ReadFile(pipe, buffer.data(), static_cast<DWORD>(buffer.size()), &read, nullptr)) return false;
    lines.AddBytes(std::string_view(buffer.data(), read));
    gotData = gotData || read > 0;
  }
}

}  // namespace

bool RunCommandCapture(const std::string& command, const std::string& directory,
                       std::wstring& output, uint32_t& exitCode, DWORD timeoutMs) {
  exitCode = 0;
  output.clear();
  SystemAnsiCodePage codePage;
  CommandOutputLines lines(codePage);
  bool result = false;

  // Both ends inheritable; this process keeps its copy of the write end for the whole run.
  SECURITY_ATTRIBUTES security{sizeof(security), nullptr, TRUE};
  UniqueHandle readEnd, writeEnd;
  if (CreatePipe(readEnd.Receive(), writeEnd.Receive(), &security, 0)) {
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW | STARTF_USESTDHANDLES;
    startup.wShowWindow = SW_HIDE;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = writeEnd.Get();
    startup.hStdError = writeEnd.Get();

    std::vector<char> commandLine(command.begin(), command.end());
    commandLine.push_back('\0');
    PROCESS_INFORMATION process{};
    if (CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, TRUE, NORMAL_PRIORITY_CLASS,
                       nullptr, directory.empty() ? nullptr : directory.c_str(), &startup,
                       &process)) {
      UniqueHandle processHandle(process.hProcess), threadHandle(process.hThread);
      const ULONGLONG started = GetTickCount64();
      bool readOk = true, gotData = false, timedOut = false;
      for (;;) {
        // While output keeps flowing, drain it without waiting, so a large output never stalls.
        const DWORD wait = WaitForSingleObject(processHandle.Get(), gotData ? 0 : kPollMs);
        if (wait != WAIT_TIMEOUT) break;
        if (!DrainPipe(readEnd.Get(), lines, gotData)) {
          readOk = false;
          break;
        }
        if (GetTickCount64() - started >= timeoutMs) {
          TerminateProcess(processHandle.Get(), 1);
          WaitForSingleObject(processHandle.Get(), kPollMs);
          timedOut = true;
          break;
        }
      }
      if (readOk) readOk = DrainPipe(readEnd.Get(), lines, gotData);
      lines.Finish();
      DWORD code = 0;
      if (readOk && !timedOut && GetExitCodeProcess(processHandle.Get(), &code)) {
        exitCode = code;
        result = true;
      }
    }
  }
  output = lines.Text();
  return result;
}
