#pragma once

#include <string>
#include <vector>

#include "win/support/win_test_support.h"

// A folder that scripts the fake netsh and collects the command lines it received.
class NetshScript {
 public:
  NetshScript() { SetEnvironmentVariableW(L"PELANTO_NETSH_DIR", folder_.Path().c_str()); }
  ~NetshScript() { SetEnvironmentVariableW(L"PELANTO_NETSH_DIR", nullptr); }

  // What the fake prints for a command: stop, disallow, allow, start.
  void Print(const std::wstring& command, const std::string& bytes) {
    WriteFileBytes(folder_.File(command + L".out"), bytes);
  }
  void SleepIn(const std::wstring& command, int milliseconds) {
    WriteFileBytes(folder_.File(command + L".sleep"), std::to_string(milliseconds));
  }
  // Every command line received, as raw bytes, with the program's own name cut off.
  std::vector<std::string> Commands() const {
    std::vector<std::string> commands;
    for (std::string line : ReadLines(folder_.File(L"log.txt"))) {
      const size_t at = line.find("wlan ");
      commands.push_back(at == std::string::npos ? line : "netsh " + line.substr(at));
    }
    return commands;
  }
  // The full path of the program that ran, one per command.
  std::vector<std::string> Programs() const { return ReadLines(folder_.File(L"programs.txt")); }
  const TempFolder& Folder() const { return folder_; }

 private:
  TempFolder folder_;
};
