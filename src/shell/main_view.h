#pragma once

#include <cstdint>
#include <string>
#include <vector>

class TNTNetConnection;

// The two drop-down lists of the settings page.
enum class AdapterList {
  Public,   // `cbtPublicNet`: the connection that carries the Internet
  Private,  // `cbtPrivateNet`: the adapter that hosts the network
};

// What the controller asks of its window. The transitions are whole animated steps; each
// returns when its waited-for part has ended (the fade-ins that are not waited for go on).
class MainView {
 public:
  virtual ~MainView() = default;

  // The texts of the network name box `tSSIDName` and the password box `tPwd`.
  virtual std::wstring NetworkNameText() const = 0;
  virtual std::wstring PasswordText() const = 0;
  virtual void SetNetworkNameText(const std::wstring& text) = 0;
  virtual void SetPasswordText(const std::wstring& text) = 0;
  // `CheckBoxAutostart`.
  virtual bool AutostartChecked() const = 0;
  virtual void SetAutostartChecked(bool checked) = 0;

  // The connection lists: entries show a connection's name and carry the connection itself
  // (not owned; it belongs to the sharing manager's list).
  virtual void ClearAdapterList(AdapterList list) = 0;
  virtual void AddAdapterEntry(AdapterList list, const std::wstring& text,
                               TNTNetConnection* connection) = 0;
  virtual int AdapterCount(AdapterList list) const = 0;
  // The connection of entry `index`; null outside 0 to count-1.
  virtual TNTNetConnection* AdapterConnection(AdapterList list, int index) const = 0;
  // -1 when nothing is selected.
  virtual int SelectedAdapterIndex(AdapterList list) const = 0;
  // An index outside 0 to count-1 leaves the list without a selection.
  virtual void SelectAdapter(AdapterList list, int index) = 0;

  // The running screen's `txtSSID` and `txtPWD`.
  virtual void SetRunningTexts(const std::wstring& networkName,
                               const std::wstring& passwordLine) = 0;
  // Decodes one image file into `Qcode_img`; bytes that do not decode to a non-empty image leave
  // it as it was.
  virtual void LoadQrImage(const std::vector<uint8_t>& imageFile) = 0;

  // Screen transitions: the fades and slides with their visibility changes, nothing else.
  virtual void ShowHomeToRunning() = 0;
  virtual void ShowRunningToHome() = 0;
  virtual void ShowHomeToSettings() = 0;
  virtual void ShowSettingsToHome() = 0;
  // Spinner panel `lyShow` to QR panel `lyQcode`, and back.
  virtual void ShowQrPanel() = 0;
  virtual void HideQrPanel() = 0;
  // Whether the running screen `rglMainLed` is visible.
  virtual bool RunningScreenVisible() const = 0;

  // The tray menu item `Nwifi`.
  virtual bool TrayStartChecked() const = 0;
  virtual void SetTrayStartChecked(bool checked) = 0;
  virtual void SetTrayStartEnabled(bool enabled) = 0;

  // The running screen's spinner (`FloatAnimation1`).
  virtual void StartSpinner() = 0;
  virtual void StopSpinner() = 0;

  // Posts the automatic-start message to the window itself.
  virtual void PostAutoStart() = 0;
  // Hides the window to the notification area, or shows it and brings it to the front.
  virtual void HideWindow() = 0;
  virtual void ShowWindow() = 0;
  // Asks the window to close, which ends the program.
  virtual void RequestClose() = 0;
};
