#include "shell/untMain.h"

#include "common/app_error.h"
#include "shell/hosted_network.h"
#include "shell/settings_keys.h"

TzenTuraMain::TzenTuraMain(MainPorts ports, std::vector<std::wstring> parameters)
    : ports_(ports), parameters_(std::move(parameters)) {}

template <class Handler>
void TzenTuraMain::RunHandler(Handler&& handler) {
  try {
    handler();
  } catch (const AppError& error) {
    ports_.dialogs.ShowErrorBox(error.Message());
  }
}

void TzenTuraMain::FormCreate() {
  // An error skips the remaining steps; the window is still created and shown.
  RunHandler([this] { CreationSteps(); });
}

void TzenTuraMain::CreationSteps() {
  LoadSettings();
  MsgCode = ControlHostedNetwork(ports_.view.NetworkNameText(), ports_.view.PasswordText(), false);
  FillAdapterLists(0, 0);
  SelectSavedAdapters();
  const std::wstring autostart = ports_.registry.ReadString(kRunKey, kRunValueName, L"");
  if (!autostart.empty()) ports_.view.SetAutostartChecked(true);
  if (!parameters_.empty() && parameters_.front() == L"-auto") {
    ports_.view.PostAutoStart();
    IsAuto = 1;
  } else {
    IsAuto = 0;
  }
}

void TzenTuraMain::FormDestroy() {
  if (MsgCode == 0) btnStopClick();
  ControlHostedNetwork(L"", L"", true);
}

void TzenTuraMain::WMAutoStart() {
  ports_.view.HideWindow();
  btnBeginClick();
  ports_.view.StopSpinner();
}

void TzenTuraMain::btnClose_1Click() {
  ports_.view.HideWindow();
  ports_.view.StopSpinner();
}

void TzenTuraMain::NcloseClick() { ports_.view.RequestClose(); }

int TzenTuraMain::ControlHostedNetwork(std::wstring_view networkName, std::wstring_view key,
                                       bool stop) {
  return ::ControlHostedNetwork(ports_.commands, ports_.system, networkName, key, stop);
}

void TzenTuraMain::LoadSettings() {
  std::unique_ptr<RegistryKey> key = ports_.registry.OpenOrCreate(kSettingsKey);
  if (!key) return;
  auto readString = [&key](const wchar_t* name) {
    StoredValue value = key->Read(name);
    if (value.kind == StoredValue::Kind::OtherType) {
      throw AppError(L"Invalid data type for '" + std::wstring(name) + L"'");
    }
    return value.text;
  };
  std::wstring name = readString(kNetworkNameValue);
  ports_.view.SetNetworkNameText(name.empty() ? kDefaultNetworkName : name);
  std::wstring password = readString(kPasswordValue);
  ports_.view.SetPasswordText(password.empty() ? kDefaultPassword : password);
  FindexNet = readString(kInternetSideValue);
  FindexWifi = readString(kHostedSideValue);
}

// Sharing control: the adapter lists and the start and stop actions arrive with the
// connection sharing component.
void TzenTuraMain::FillAdapterLists(int, int) {}
void TzenTuraMain::SelectSavedAdapters() {}

void TzenTuraMain::btnBeginClick() {
  if (IsAuto == 1) IsAuto = 0;
}

void TzenTuraMain::btnStopClick() {}
