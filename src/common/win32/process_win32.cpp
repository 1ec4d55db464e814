#include <vector>

#include "common/command_output.h"
#include "common/win32/helpers.h"
#include "common/win32/unique_handle.h"

namespace {

constexpr DWORD kPollMs = 100;
// One round reads at most this much, so the time limit is looked at between rounds whatever
// the command prints.
constexpr DWORD kMaxRoundBytes = 64 * 1024;

// One round: reads part of what the pipe holds right now, never waiting for more. False when
// reading fails; `gotData` tells whether anything was read.
bool ReadRound(HANDLE pipe, std::vector<char>& buffer, CommandOutputLines& lines, bool& gotData) {
  gotData = false;
  DWORD available = 0;
  if (!PeekNamedPipe(pipe, nullptr, 0, nullptr, &available, nullptr)) return false;
  if (available == 0) return true;
  DWORD read = 0;
  const DWORD wanted = available < kMaxRoundBytes ? available : kMaxRoundBytes;
  if (!ReadFile(pipe, buffer.data(), wanted, &read, nullptr)) return false;
  // Past the kept bound the bytes are still read, so the command never blocks on a full pipe.
  lines.AddBytes(std::string_view(buffer.data(), read));
  gotData = read > 0;
  return true;
}

}  // namespace

bool RunCommandCapture(const std::string& application, const std::string& command,
                       const std::string& directory, std::wstring& output, uint32_t& exitCode,
                       DWORD timeoutMs) {
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
    if (CreateProcessA(application.empty() ? nullptr : application.c_str(), commandLine.data(),
                       nullptr, nullptr, TRUE, NORMAL_PRIORITY_CLASS, nullptr,
                       directory.empty() ? nullptr : directory.c_str(), &startup, &process)) {
      UniqueHandle processHandle(process.hProcess), threadHandle(process.hThread);
      const ULONGLONG started = GetTickCount64();
      const auto timeIsUp = [&] { return GetTickCount64() - started >= timeoutMs; };
      std::vector<char> buffer(kMaxRoundBytes);
      bool readOk = true, gotData = false, timedOut = false, ended = false;
      while (readOk && !ended) {
        // While output keeps flowing, read on without waiting, so a large output never stalls.
        ended = WaitForSingleObject(processHandle.Get(), gotData ? 0 : kPollMs) != WAIT_TIMEOUT;
        readOk = ReadRound(readEnd.Get(), buffer, lines, gotData);
        if (!ended && timeIsUp()) {
          TerminateProcess(processHandle.Get(), 1);
          WaitForSingleObject(processHandle.Get(), kPollMs);
          timedOut = true;
          break;
        }
      }
      // The final read takes what is left, within the same limit: a process that the command
      // started may hold the pipe open and go on writing.
      while (readOk && gotData && !timedOut && !timeIsUp()) {
        readOk = ReadRound(readEnd.Get(), buffer, lines, gotData);
      }
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
