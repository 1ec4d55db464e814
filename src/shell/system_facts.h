#pragma once

#include <string>

// What the shell needs to know of the machine it runs on.
class SystemFacts {
 public:
  virtual ~SystemFacts() = default;
  virtual bool IsVistaOrLater() const = 0;
  // The program's own folder, with its trailing backslash.
  virtual std::wstring ApplicationDirectory() const = 0;
  // The system folder (System32), without a trailing backslash.
  virtual std::wstring SystemDirectory() const = 0;
  // The full path of the program's executable file.
  virtual std::wstring ExecutablePath() const = 0;
};
