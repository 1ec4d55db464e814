// Registered by tests as the handler of http addresses: appends the address it was asked to
// open to the file named by PELANTO_URL_LOG.
#include <windows.h>

#include <string>

int main(int argc, char** argv) {
  char log[MAX_PATH];
  const DWORD length = GetEnvironmentVariableA("PELANTO_URL_LOG", log, MAX_PATH);
  if (length == 0 || length >= MAX_PATH || argc < 2) return 1;
  HANDLE file = CreateFileA(log, FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return 1;
  const std::string line = std::string(argv[1]) + "\n";
  DWORD written = 0;
  WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
  CloseHandle(file);
  return 0;
}
