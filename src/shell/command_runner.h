#pragma once

#include <string>
#include <string_view>

// Runs one console command line and captures what it prints.
class CommandRunner {
 public:
  virtual ~CommandRunner() = default;
  // Runs the program `application` (a full path) with `commandLine`. True when the command
  // was started and ran to its end; `output` holds its lines, each followed by CR LF.
  virtual bool Run(std::wstring_view application, std::wstring_view commandLine,
                   std::wstring_view directory, std::wstring& output) = 0;
};
