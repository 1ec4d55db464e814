#pragma once

// In-memory stand-ins for the shell's ports, recording what the controller asks of them.

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "shell/adapter_list_model.h"
#include "shell/ansi_text.h"
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
  bool Run(std::wstring_view application, std::wstring_view commandLine,
           std::wstring_view directory, std::wstring& output) override;

  // The reply for command lines that contain `part` (first match wins); others run silently.
  void Script(std::wstring part, Reply reply) { replies_.emplace_back(std::move(part), reply); }

  std::vector<std::wstring> applications;
  std::vector<std::wstring> commands;
  std::vector<std::wstring> directories;

 private:
  std::vector<std::pair<std::wstring, Reply>> replies_;
};

class FakeSystemFacts : public SystemFacts {
 public:
  bool IsVistaOrLater() const override { return majorVersion >= 6; }
  std::wstring ApplicationDirectory() const override { return directory; }
  std::wstring SystemDirectory() const override { return L"C:\\Windows\\system32"; }
  std::wstring ExecutablePath() const override { return directory + L"Pelanto.exe"; }
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

// A code page with ASCII and two code page 936 characters (中 D6 D0, 文 CE C4); everything else
// becomes its default character "?".
class FakeAnsiText : public AnsiText {
 public:
  std::string Encode(std::wstring_view text) const override;
  std::wstring Decode(std::string_view bytes) const override;
  bool IsLeadByte(unsigned char byte) const override { return byte >= 0x81 && byte != 0xFF; }
};

// The window's state as plain fields; transitions are recorded by name.
class FakeMainView : public MainView {
 public:
  std::wstring NetworkNameText() const override { return networkName; }
  std::wstring PasswordText() const override { return password; }
  void SetNetworkNameText(const std::wstring& text) override { networkName = text; }
  void SetPasswordText(const std::wstring& text) override { password = text; }
  bool AutostartChecked() const override { return autostartChecked; }
  void SetAutostartChecked(bool checked) override { autostartChecked = checked; }

  void ClearAdapterList(AdapterList list) override { Of(list).Clear(); }
  void AddAdapterEntry(AdapterList list, const std::wstring& text,
                       TNTNetConnection* connection) override {
    Of(list).Add(text, connection);
  }
  int AdapterCount(AdapterList list) const override { return Of(list).Count(); }
  TNTNetConnection* AdapterConnection(AdapterList list, int index) const override {
    return Of(list).ConnectionAt(index);
  }
  int SelectedAdapterIndex(AdapterList list) const override { return Of(list).Selected(); }
  void SelectAdapter(AdapterList list, int index) override { Of(list).Select(index); }

  void SetRunningTexts(const std::wstring& name, const std::wstring& passwordLine) override {
    runningName = name;
    runningPassword = passwordLine;
  }
  void LoadQrImage(const std::vector<uint8_t>& imageFile) override;

  void ShowHomeToRunning() override { Transition(L"home>running", Screen::Running); }
  void ShowRunningToHome() override { Transition(L"running>home", Screen::Home); }
  void ShowHomeToSettings() override { Transition(L"home>settings", Screen::Settings); }
  void ShowSettingsToHome() override { Transition(L"settings>home", Screen::Home); }
  void ShowQrPanel() override;
  void HideQrPanel() override;
  bool RunningScreenVisible() const override { return screen == Screen::Running; }

  bool TrayStartChecked() const override { return trayChecked; }
  void SetTrayStartChecked(bool checked) override { trayChecked = checked; }
  void SetTrayStartEnabled(bool enabled) override { trayEnabled = enabled; }
  void StartSpinner() override;
  void StopSpinner() override;

  void PostAutoStart() override { ++autoStartsPosted; }
  void HideWindow() override { visible = false; }
  void ShowWindow() override { visible = true; }
  void RequestClose() override { ++closeRequests; }

  AdapterListModel& Of(AdapterList list) {
    return list == AdapterList::Public ? publicList : privateList;
  }
  const AdapterListModel& Of(AdapterList list) const {
    return list == AdapterList::Public ? publicList : privateList;
  }
  std::vector<std::wstring> Texts(AdapterList list) const;

  enum class Screen { Home, Settings, Running };

  std::wstring networkName = L"zentura";
  std::wstring password = L"5831027469";
  bool autostartChecked = false;
  AdapterListModel publicList, privateList;
  std::wstring runningName = L"…";
  std::wstring runningPassword = L"…";
  std::vector<uint8_t> qrImage;  // the last image file that was loaded
  int qrLoads = 0;
  Screen screen = Screen::Home;
  bool qrPanelShown = false;
  bool trayChecked = false;
  bool trayEnabled = true;
  bool spinnerTurning = true;
  bool visible = true;
  int autoStartsPosted = 0;
  int spinnerStops = 0;
  int spinnerStarts = 0;
  int closeRequests = 0;
  // Transitions and spinner changes in order, e.g. "home>running", "spinner-stop".
  std::vector<std::wstring> steps;
  // Called at every step, so a test can look at the world in the middle of a handler.
  std::function<void(const std::wstring&)> onStep;

 private:
  void Transition(const std::wstring& name, Screen to);
  void Step(const std::wstring& name);
};
