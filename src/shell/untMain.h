#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "shell/command_runner.h"
#include "shell/dialogs.h"
#include "shell/main_view.h"
#include "shell/registry.h"
#include "shell/system_facts.h"

class TNTNetConnection;

// The platform the main window controller works through.
struct MainPorts {
  CommandRunner& commands;
  SystemFacts& system;
  Registry& registry;
  Dialogs& dialogs;
  MainView& view;
};

inline constexpr unsigned kAutoStartMessage = 0x081A;
inline constexpr unsigned kSendReportMessage = 0x081B;

// The main window controller: the shell's state and every user action.
class TzenTuraMain {
 public:
  // `parameters` are the command-line parameters after the program's own name.
  TzenTuraMain(MainPorts ports, std::vector<std::wstring> parameters);
  TzenTuraMain(const TzenTuraMain&) = delete;
  TzenTuraMain& operator=(const TzenTuraMain&) = delete;

  // Creation and destruction of the window.
  void FormCreate();
  void FormDestroy();

  // Message 0x081A: the automatic start under "-auto".
  void WMAutoStart();
  // Both close buttons: hide to the notification area.
  void btnClose_1Click();
  // Tray menu "退出".
  void NcloseClick();

  // Start and stop sharing.
  void btnBeginClick();
  void btnStopClick();

  int ControlHostedNetwork(std::wstring_view networkName, std::wstring_view key, bool stop);
  void LoadSettings();

  int GetMsgCode() const { return MsgCode; }
  int GetIsAuto() const { return IsAuto; }

 private:
  // Runs a handler; an error ends it and goes to the standard error box.
  template <class Handler>
  void RunHandler(Handler&& handler);

  void CreationSteps();
  void FillAdapterLists(int publicIndex, int privateIndex);
  void SelectSavedAdapters();

  MainPorts ports_;
  std::vector<std::wstring> parameters_;

  TNTNetConnection* FoutNet = nullptr;
  TNTNetConnection* FinNet = nullptr;
  std::wstring FindexNet;
  std::wstring FindexWifi;
  int MsgCode = 0;
  int IsAuto = 0;
};
