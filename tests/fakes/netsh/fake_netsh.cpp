// A stand-in for the system's netsh, for tests. Placed in the program's folder, it is found
// before the real one. It works in the folder named by PELANTO_NETSH_DIR (without it, it prints
// nothing and exits 0):
//   log.txt         every command line received is appended, as raw bytes, one per line
//   <cmd>.out       bytes printed for the command (cmd: stop, disallow, allow, start, other)
//   <cmd>.exit      its exit code, as decimal text
//   <cmd>.sleep     milliseconds to wait before exiting
//   <cmd>.hang      when present, never exits
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
  AppendLine(base + "log.txt", line);

  const std::string name = CommandName(line);
  bool found = false;
  const std::string output = ReadAll(base + name + ".out", found);
  DWORD written = 0;
  if (!output.empty()) {
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), output.data(), static_cast<DWORD>(output.size()), &written, nullptr);
  }
  const std::string sleep = ReadAll(base + name + ".sleep", found);
  if (found) Sleep(static_cast<DWORD>(std::atoi(sleep.c_str())));
  ReadAll(base + name + ".hang", found);
  if (found) Sleep(INFINITE);
  const std::string exitCode = ReadAll(base + name + ".exit", found);
  return found ? std::atoi(exitCode.c_str()) : 0;
}
