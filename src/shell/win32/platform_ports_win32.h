#pragma once

#include "shell/ansi_text.h"
#include "shell/command_runner.h"
#include "shell/dialogs.h"
#include "shell/registry.h"
#include "shell/system_facts.h"
#include "toolkit/input_hold.h"

// The shell's ports on the real system.

// Runs each command on a worker thread while the window thread goes on dispatching messages,
// with input held meanwhile: the caller still sees one synchronous call.
class WindowsCommandRunner : public CommandRunner {
 public:
  WindowsCommandRunner() = default;
  explicit WindowsCommandRunner(toolkit::InputHold& inputHold) : inputHold_(&inputHold) {}
  bool Run(std::wstring_view application, std::wstring_view commandLine,
           std::wstring_view directory, std::wstring& output) override;

 private:
  toolkit::InputHold* inputHold_ = nullptr;
};

class WindowsSystemFacts : public SystemFacts {
 public:
  bool IsVistaOrLater() const override;
  std::wstring ApplicationDirectory() const override;
  std::wstring SystemDirectory() const override;
  std::wstring ExecutablePath() const override;
};

class WindowsAnsiText : public AnsiText {
 public:
  std::string Encode(std::wstring_view text) const override;
  std::wstring Decode(std::string_view bytes) const override;
  bool IsLeadByte(unsigned char byte) const override;
};

class WindowsRegistry : public Registry {
 public:
  std::unique_ptr<RegistryKey> OpenOrCreate(std::wstring_view path) override;
  std::wstring ReadString(std::wstring_view path, std::wstring_view name,
                          std::wstring_view defaultValue) override;
};

class WindowsDialogs : public Dialogs {
 public:
  void ShowInfoMessage(std::wstring_view text, std::wstring_view caption, uint32_t flags) override;
  bool AskYesNo(std::wstring_view text, std::wstring_view caption) override;
  void ShowErrorBox(std::wstring_view message) override;
};
