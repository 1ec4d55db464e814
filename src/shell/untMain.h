#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "hotspot/hosted_network_failure.h"
#include "hotspot/mobile_hotspot_port.h"
#include "shell/ansi_text.h"
#include "shell/command_runner.h"
#include "shell/dialogs.h"
#include "shell/logon_task.h"
#include "shell/main_view.h"
#include "shell/registry.h"
#include "shell/system_facts.h"

class TNTFirewall;
class TNTNetConnection;
class WlanApi;

// The platform the main window controller works through.
struct MainPorts {
  CommandRunner& commands;
  SystemFacts& system;
  Registry& registry;
  LogonTask& logonTask;
  Dialogs& dialogs;
  MainView& view;
  AnsiText& ansi;
  // The sharing manager `NTFirewall1`; it owns the connections the lists point to.
  TNTFirewall& firewall;
  // Windows' Mobile Hotspot, the way where the hosted network cannot be had.
  MobileHotspotPort& mobileHotspot;
  // The WLAN API; null where the system has none to use.
  WlanApi* wlan = nullptr;
};

// What gives the hotspot: the hosted network through netsh and sharing, or the Mobile Hotspot.
enum class HotspotKind { HostedNetwork, MobileHotspot };

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

  // Start and stop sharing, from the buttons, the tray menu item `Nwifi` and the tray icon.
  void btnBeginClick();
  void btnStopClick();
  void NwifiClick();
  void TrayIcon1Click();

  // The settings page.
  void btnSettingClick();
  void btnSetBackClick();
  void btnSetSaveClick();
  // Key filters of `tSSIDName` and `tPwd`: may clear `keyChar` to suppress it; `key` is never
  // changed, so the editing keys always work.
  void tSSIDNameKeyDown(uint16_t& key, wchar_t& keyChar);
  void tPwdKeyDown(uint16_t& key, wchar_t& keyChar);

  // The join code's badge and panel.
  void label_QcodeClick();
  void lyQcodeClick();

  // `failure`, when given, receives why the network is not ready (result 1).
  int ControlHostedNetwork(std::wstring_view networkName, std::wstring_view key, bool stop,
                           HostedNetworkFailure* failure = nullptr);
  void LoadSettings();
  void SaveSettings(std::wstring_view networkName, std::wstring_view key,
                    std::wstring_view internetSideId, std::wstring_view hostedSideId);
  // Draws `payload` (ANSI code page bytes) as the join code into `Qcode_img`.
  void ShowQrCode(std::string_view payload);

  int GetMsgCode() const { return MsgCode; }
  HotspotKind GetHotspotKind() const { return FhotspotKind; }
  // Why the Mobile Hotspot is not available (Enabled when it is, or was not asked).
  TetheringCapability GetMobileHotspotCapability() const { return FmobileHotspotCapability; }
  HostedNetworkFailure GetMsgReason() const { return MsgReason; }
  int GetIsAuto() const { return IsAuto; }
  TNTNetConnection* InternetSide() const { return FoutNet; }
  TNTNetConnection* HostedSide() const { return FinNet; }

 private:
  // Runs a handler; an error ends it and goes to the standard error box.
  void RunHandler(const std::function<void()>& handler);

  void CreationSteps();
  void FillAdapterLists(int publicIndex, int privateIndex);
  void SelectSavedAdapters();
  // Missing sides (null) are left alone.
  void SetSharing(TNTNetConnection* internetSide, TNTNetConnection* hostedSide, bool enable);
  void StartSequence();
  // The Mobile Hotspot's parts of creation, start, stop, quitting and saving.
  void ChooseHotspotKind();
  std::wstring InternetSideId() const;
  bool MobileHotspotActive();
  void RestartMobileHotspot(std::wstring_view networkName, std::wstring_view key);
  void AskForAutostart();
  // The Run value and, beside it, the logon task.
  void WriteRunValue(RegistryKey& runKey);
  // The connection of the list's selected entry; null without one.
  TNTNetConnection* SelectedConnection(AdapterList list) const;
  // Its identifier; empty without one.
  std::wstring SelectedId(AdapterList list) const;

  MainPorts ports_;
  std::vector<std::wstring> parameters_;

  TNTNetConnection* FoutNet = nullptr;
  TNTNetConnection* FinNet = nullptr;
  std::wstring FindexNet;
  std::wstring FindexWifi;
  // -1 (a command failed to run) until the hosted network has been prepared: an error before
  // that must not leave "ready" behind.
  int MsgCode = -1;
  HotspotKind FhotspotKind = HotspotKind::HostedNetwork;
  TetheringCapability FmobileHotspotCapability = TetheringCapability::Enabled;
  // Why the hosted network is not ready, beside `MsgCode` 1; None otherwise.
  HostedNetworkFailure MsgReason = HostedNetworkFailure::None;
  int IsAuto = 0;
  // The two boxes' texts as the settings page was opened, which cancelling puts back.
  struct BoxTexts {
    std::wstring networkName;
    std::wstring key;
  } textsAtPageOpen_;
};
