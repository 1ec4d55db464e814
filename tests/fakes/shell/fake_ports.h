#pragma once

// In-memory stand-ins for the shell's ports, recording what the controller asks of them.

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "shell/command_runner.h"
#include "shell/dialogs.h"
#include "shell/main_view.h"
#include "shell/registry.h"
#include "shell/system_facts.h"

// Answers each command with scripted output; records every command line.
class FakeCommandRunner : public CommandRunner {
 public:
  struct Reply {
    bool ran = true;
    std::wstring output;
  };
  bool Run(std::wstring_view commandLine, std::wstring_view directory,
           std::wstring& output) override;

  // The reply for command lines that contain `part` (first match wins); others run silently.
  void Script(std::wstring part, Reply reply) { replies_.emplace_back(std::move(part), reply); }

  std::vector<std::wstring> commands;
  std::vector<std::wstring> directories;

 private:
  std::vector<std::pair<std::wstring, Reply>> replies_;
};

class FakeSystemFacts : public SystemFacts {
 public:
  bool IsVistaOrLater() const override { return majorVersion >= 6; }
  std::wstring ApplicationDirectory() const override { return directory; }
  int majorVersion = 6;
  std::wstring directory = L"C:\\Program Files\\Pelanto\\";
};

// Keys and values under HKEY_CURRENT_USER.
class FakeRegistry : public Registry {
 public:
  struct Value {
    bool isString = true;
    std::wstring text;
  };
  using Key = std::map<std::wstring, Value>;

  std::unique_ptr<RegistryKey> OpenOrCreate(std::wstring_view path) override;
  std::wstring ReadString(std::wstring_view path, std::wstring_view name,
                          std::wstring_view defaultValue) override;

  bool HasKey(const std::wstring& path) const { return keys.count(path) != 0; }
  const Value* Find(const std::wstring& path, const std::wstring& name) const;

  std::map<std::wstring, Key> keys;
  bool failOpen = false;
  std::wstring failWriteOf;  // the value name whose write fails
  int openKeys = 0;          // keys opened and not yet closed
};

class FakeDialogs : public Dialogs {
 public:
  struct Shown {
    std::wstring kind, text, caption;
    uint32_t flags = 0;
  };
  void ShowInfoMessage(std::wstring_view text, std::wstring_view caption, uint32_t flags) override {
    shown.push_back({L"info", std::wstring(text), std::wstring(caption), flags});
  }
  bool AskYesNo(std::wstring_view text, std::wstring_view caption) override {
    shown.push_back({L"ask", std::wstring(text), std::wstring(caption), 0});
    return answerYes;
  }
  void ShowErrorBox(std::wstring_view message) override {
    shown.push_back({L"error", std::wstring(message), L"", 0});
  }
  std::vector<Shown> shown;
  bool answerYes = true;
};

class FakeMainView : public MainView {
 public:
  std::wstring NetworkNameText() const override { return networkName; }
  std::wstring PasswordText() const override { return password; }
  void SetNetworkNameText(const std::wstring& text) override { networkName = text; }
  void SetPasswordText(const std::wstring& text) override { password = text; }
  void SetAutostartChecked(bool checked) override { autostartChecked = checked; }
  void PostAutoStart() override { ++autoStartsPosted; }
  void HideWindow() override { visible = false; }
  void StopSpinner() override { ++spinnerStops; }
  void RequestClose() override { ++closeRequests; }

  std::wstring networkName = L"zentura";
  std::wstring password = L"5831027469";
  bool autostartChecked = false;
  bool visible = true;
  int autoStartsPosted = 0;
  int spinnerStops = 0;
  int closeRequests = 0;
};
