#pragma once

#include <windows.h>

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "hotspot/win32/system_mobile_hotspot_win32.h"
#include "online/asio_connector.h"
#include "online/feedback.h"
#include "online/win32/report_win32.h"
#include "sharing/nt_firewall.h"
#include "shell/adapter_list_model.h"
#include "shell/main_view.h"
#include "shell/start_parameters.h"
#include "shell/untMain.h"
#include "hotspot/win32/wlan_api_win32.h"
#include "shell/win32/logon_task_win32.h"
#include "shell/win32/platform_ports_win32.h"
#include "toolkit/font.h"
#include "toolkit/input_hold.h"
#include "toolkit/win32/gdi_objects.h"
#include "toolkit/win32/layered_window.h"
#include "toolkit/win32/popup_menu.h"
#include "toolkit/win32/tray_icon.h"
#include "ui/main_form.h"

// The program's one top-level window `zenTuraMain`: the vector form in a layered window, its
// tray icon and menu, the controller and the feedback handlers, and the messages that reach
// them. Found from outside by its class "TzenTuraMain" and caption "Pelanto".
class MainWindow : public MainView, private FeedbackWindow {
 public:
  static constexpr wchar_t kClassName[] = L"TzenTuraMain";
  static constexpr wchar_t kCaption[] = L"Pelanto";

  // `sharing` must outlive the window: the sharing manager is built on it.
  MainWindow(SharingPlatform& sharing, std::vector<std::wstring> parameters);
  ~MainWindow() override;
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;

  // Creates the window, its form and tray icon, shows the window (at the end for a logon start)
  // and runs the creation handler.
  bool Create(HINSTANCE instance);
  // Runs the shutdown work, then removes the tray icon and the window.
  void Destroy();
  // The shutdown work (stop the hosted network, switch sharing off), once.
  void ShutDown();

  // MainView (the network name also serves the feedback handlers)
  std::wstring NetworkNameText() const override { return form_->NetworkNameText(); }
  std::wstring PasswordText() const override { return form_->PasswordText(); }
  void SetNetworkNameText(const std::wstring& text) override { form_->SetNetworkNameText(text); }
  void SetPasswordText(const std::wstring& text) override { form_->SetPasswordText(text); }
  bool AutostartChecked() const override { return form_->AutostartChecked(); }
  void SetAutostartChecked(bool checked) override { form_->SetAutostartChecked(checked); }

  void ClearAdapterList(AdapterList list) override;
  void AddAdapterEntry(AdapterList list, const std::wstring& text,
                       TNTNetConnection* connection) override;
  int AdapterCount(AdapterList list) const override { return Entries(list).Count(); }
  TNTNetConnection* AdapterConnection(AdapterList list, int index) const override {
    return Entries(list).ConnectionAt(index);
  }
  int SelectedAdapterIndex(AdapterList list) const override;
  void SelectAdapter(AdapterList list, int index) override;

  void SetRunningTexts(const std::wstring& networkName, const std::wstring& passwordLine) override {
    form_->SetRunningTexts(networkName, passwordLine);
  }
  void LoadQrImage(const std::vector<uint8_t>& imageFile) override {
    form_->LoadQrImage(imageFile);
  }

  void ShowHomeToRunning() override { form_->ShowHomeToRunning(); }
  void ShowRunningToHome() override { form_->ShowRunningToHome(); }
  void ShowHomeToSettings() override { form_->ShowHomeToSettings(); }
  void ShowSettingsToHome() override { form_->ShowSettingsToHome(); }
  void ShowQrPanel() override { form_->ShowQrPanel(); }
  void HideQrPanel() override { form_->HideQrPanel(); }
  bool RunningScreenVisible() const override { return form_->RunningScreenVisible(); }

  bool TrayStartChecked() const override { return pm1_.IsChecked(kNwifi); }
  void SetTrayStartChecked(bool checked) override { pm1_.SetChecked(kNwifi, checked); }
  void SetTrayStartEnabled(bool enabled) override { pm1_.SetEnabled(kNwifi, enabled); }
  void StartSpinner() override { form_->StartSpinner(); }
  void StopSpinner() override { form_->StopSpinner(); }

  void PostAutoStart() override;
  void HideWindow() override { window_->Hide(); }
  void ShowWindow() override { window_->Show(true); }
  void RequestClose() override;

 private:
  // Items of the tray menu `pm1`.
  enum MenuItem : UINT { kNwifi = 1, kNAbout = 2, kNclose = 3 };
  static constexpr UINT_PTR kCommentTimer = 100;  // `tmrcomment`

  // FeedbackWindow
  int ShowSuggestPopup() override { return form_->PopupModal(); }
  void CloseSuggestPopup(int modalResult) override { form_->msgSuggest->Close(modalResult); }
  std::wstring MemoText() const override { return form_->SuggestionText(); }
  void SetMemoText(std::wstring_view text) override;
  bool CommentTimerOn() const override { return commentTimerOn_; }
  void SetCommentTimer(bool on) override;
  void ShowInfoMessage(std::wstring_view text, std::wstring_view caption, uint32_t flags) override {
    dialogs_.ShowInfoMessage(text, caption, flags);
  }
  void OpenWebPage(std::wstring_view address) override;

  void LoadIcons(HINSTANCE instance);
  void BuildTrayMenu();
  void ConnectFormEvents();
  bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
  // Runs a handler of the window's own; an error goes to the standard error box.
  void Guarded(const std::function<void()>& handler);
  AdapterListModel& Entries(AdapterList list) { return lists_[Index(list)]; }
  const AdapterListModel& Entries(AdapterList list) const { return lists_[Index(list)]; }
  toolkit::ComboBox& Combo(AdapterList list) const;
  static size_t Index(AdapterList list) { return list == AdapterList::Public ? 0 : 1; }

  // Held while a console command runs: the window paints and drags, nothing else acts.
  toolkit::InputHold inputHold_;
  // Started at logon ("-auto"): the window stays hidden during creation.
  bool logonStart_;
  WindowsCommandRunner commands_{inputHold_};
  WindowsWlanApi wlan_;
  WindowsSystemFacts system_;
  WindowsRegistry registry_;
  WindowsLogonTask logonTask_;
  WindowsDialogs dialogs_;
  WindowsAnsiText ansi_;
  TNTFirewall firewall_;
  SystemMobileHotspot mobileHotspot_;
  TzenTuraMain controller_;
  WindowsUsageReport usageReport_;
  AsioConnector connector_;
  Feedback feedback_;

  toolkit::win32::UniqueIcon bigIcon_;
  toolkit::win32::UniqueIcon smallIcon_;
  std::unique_ptr<toolkit::FontLibrary> fonts_;
  std::unique_ptr<toolkit::win32::LayeredWindow> window_;
  std::unique_ptr<ui::MainForm> form_;
  std::unique_ptr<toolkit::win32::TrayIcon> tray_;
  toolkit::win32::PopupMenu pm1_;
  // The connections behind the entries of `cbtPublicNet` and `cbtPrivateNet`.
  std::array<AdapterListModel, 2> lists_;
  bool commentTimerOn_ = false;
  bool shutDown_ = false;
};
