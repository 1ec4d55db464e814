#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "online/win32/report_win32.h"
#include "shell/main_view.h"
#include "shell/untMain.h"
#include "shell/win32/platform_ports_win32.h"

// The program's one top-level window: hosts the controller and routes messages to it.
class MainWindow : public MainView {
 public:
  explicit MainWindow(std::vector<std::wstring> parameters);
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
  void SetAutostartChecked(bool checked) override { autostartChecked_ = checked; }
  void PostAutoStart() override;
  void HideWindow() override;
  void StopSpinner() override {}
  void RequestClose() override;

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
  void Paint();

  WindowsCommandRunner commands_;
  WindowsSystemFacts system_;
  WindowsRegistry registry_;
  WindowsDialogs dialogs_;
  TzenTuraMain controller_;
  WindowsUsageReport usageReport_;
  HWND window_ = nullptr;
  std::wstring networkName_ = L"zentura";
  std::wstring password_ = L"5831027469";
  bool autostartChecked_ = false;
};
