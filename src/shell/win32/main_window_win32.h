#pragma once

#include <windows.h>

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "online/win32/report_win32.h"
#include "sharing/nt_firewall.h"
#include "shell/adapter_list_model.h"
#include "shell/main_view.h"
#include "shell/untMain.h"
#include "shell/win32/platform_ports_win32.h"

// The program's one top-level window: hosts the controller and routes messages to it. A plain
// stand-in that keeps the view's state and paints a summary of it, until the vector window
// takes its place.
class MainWindow : public MainView {
 public:
  // `sharing` must outlive the window: the sharing manager is built on it.
  MainWindow(SharingPlatform& sharing, std::vector<std::wstring> parameters);
  ~MainWindow() override;

  // Creates the window, runs the creation handler and shows the window.
  bool Create(HINSTANCE instance);
  // Runs the shutdown work and destroys the window.
  void Destroy();

  // MainView
  std::wstring NetworkNameText() const override { return networkName_; }
  std::wstring PasswordText() const override { return password_; }
  void SetNetworkNameText(const std::wstring& text) override;
  void SetPasswordText(const std::wstring& text) override;
  bool AutostartChecked() const override { return autostartChecked_; }
  void SetAutostartChecked(bool checked) override { autostartChecked_ = checked; }

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

  void SetRunningTexts(const std::wstring& networkName, const std::wstring& passwordLine) override;
  void LoadQrImage(const std::vector<uint8_t>& imageFile) override;

  void ShowHomeToRunning() override { ShowScreen(Screen::Running); }
  void ShowRunningToHome() override { ShowScreen(Screen::Home); }
  void ShowHomeToSettings() override { ShowScreen(Screen::Settings); }
  void ShowSettingsToHome() override { ShowScreen(Screen::Home); }
  void ShowQrPanel() override { qrPanelShown_ = true; }
  void HideQrPanel() override { qrPanelShown_ = false; }
  bool RunningScreenVisible() const override { return screen_ == Screen::Running; }

  bool TrayStartChecked() const override { return trayStartChecked_; }
  void SetTrayStartChecked(bool checked) override { trayStartChecked_ = checked; }
  void SetTrayStartEnabled(bool enabled) override { trayStartEnabled_ = enabled; }
  void StartSpinner() override {}
  void StopSpinner() override {}

  void PostAutoStart() override;
  void HideWindow() override;
  void ShowWindow() override;
  void RequestClose() override;

 private:
  enum class Screen { Home, Settings, Running };

  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
  void Paint();
  void Redraw();
  void ShowScreen(Screen screen);
  AdapterListModel& Of(AdapterList list) { return lists_[list == AdapterList::Public ? 0 : 1]; }
  const AdapterListModel& Of(AdapterList list) const {
    return lists_[list == AdapterList::Public ? 0 : 1];
  }

  WindowsCommandRunner commands_;
  WindowsSystemFacts system_;
  WindowsRegistry registry_;
  WindowsDialogs dialogs_;
  WindowsAnsiText ansi_;
  TNTFirewall firewall_;
  TzenTuraMain controller_;
  WindowsUsageReport usageReport_;
  HWND window_ = nullptr;
  std::wstring networkName_ = L"zentura";
  std::wstring password_ = L"5831027469";
  bool autostartChecked_ = false;
  std::array<AdapterListModel, 2> lists_;
  std::wstring runningName_ = L"…";
  std::wstring runningPassword_ = L"…";
  std::vector<uint8_t> qrImageFile_;
  Screen screen_ = Screen::Home;
  bool qrPanelShown_ = false;
  bool trayStartChecked_ = false;
  bool trayStartEnabled_ = true;
};
