#pragma once

#include <string>

// What the controller asks of its window.
class MainView {
 public:
  virtual ~MainView() = default;
  // The texts of the network name box `tSSIDName` and the password box `tPwd`.
  virtual std::wstring NetworkNameText() const = 0;
  virtual std::wstring PasswordText() const = 0;
  virtual void SetNetworkNameText(const std::wstring& text) = 0;
  virtual void SetPasswordText(const std::wstring& text) = 0;
  virtual void SetAutostartChecked(bool checked) = 0;
  // Posts the automatic-start message to the window itself.
  virtual void PostAutoStart() = 0;
  // Hides the window to the notification area.
  virtual void HideWindow() = 0;
  // Stops the running screen's spinner (`FloatAnimation1`).
  virtual void StopSpinner() = 0;
  // Asks the window to close, which ends the program.
  virtual void RequestClose() = 0;
};
