// A console program for tests of command capture. Each argument is one step:
//   out:TEXT   writes TEXT to standard output (escapes \r \n \0 \\ and \xHH)
//   err:TEXT   writes TEXT to standard error
//   sleep:MS   waits
//   bulk:N     writes N bytes of numbered lines "line 0000001\r\n"...
//   flood:N    writes lines of N bytes (N >= 2) without end
//   exit:CODE  the exit code (last one wins)
#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

std::string Unescape(const char* text) {
  std::string bytes;
  for (const char* p = text; *p; ++p) {
    if (*p != '\\' || !p[1]) {
      bytes += *p;
      continue;
    }
    ++p;
    switch (*p) {
      case 'r': bytes += '\r'; break;
      case 'n': bytes += '\n'; break;
      case '0': bytes += '\0'; break;
      case 'x': {
        const char hex[3] = {p[1], p[1] ? p[2] : '\0', '\0'};
        bytes += static_cast<char>(std::strtol(hex, nullptr, 16));
        p += 2;
        break;
      }
      default: bytes += *p;
    }
  }
  return bytes;
}

void Write(DWORD stream, const std::string& bytes) {
  DWORD written = 0;
  WriteFile(GetStdHandle(stream), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

}  // namespace

int main(int argc, char** argv) {
  int exitCode = 0;
  for (int i = 1; i < argc; ++i) {
    const std::string step = argv[i];
    const size_t colon = step.find(':');
    const std::string kind = step.substr(0, colon);
    const char* value = colon == std::string::npos ? "" : argv[i] + colon + 1;
    if (kind == "out") Write(STD_OUTPUT_HANDLE, Unescape(value));
    if (kind == "err") Write(STD_ERROR_HANDLE, Unescape(value));
    if (kind == "sleep") Sleep(static_cast<DWORD>(std::atoi(value)));
    if (kind == "exit") exitCode = std::atoi(value);
    if (kind == "flood") {
      const std::string line = std::string(std::max(std::atoi(value), 2) - 2, 'x') + "\r\n";
      for (;;) Write(STD_OUTPUT_HANDLE, line);
    }
    if (kind == "bulk") {
      const long total = std::atol(value);
      std::string chunk;
      char line[32];
      for (long n = 0, written = 0; written < total; ++n) {
        const int length = std::snprintf(line, sizeof(line), "line %07ld\r\n", n);
        chunk.append(line, length);
        written += length;
        if (chunk.size() > 60000) {
          Write(STD_OUTPUT_HANDLE, chunk);
          chunk.clear();
        }
      }
      Write(STD_OUTPUT_HANDLE, chunk);
    }
  }
  return exitCode;
}
