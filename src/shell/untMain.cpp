#include "shell/untMain.h"

#include "common/app_error.h"
#include "shell/hosted_network.h"
#include "shell/settings_keys.h"
#include "shell/start_parameters.h"

TzenTuraMain::TzenTuraMain(MainPorts ports, std::vector<std::wstring> parameters)
    : ports_(ports), parameters_(std::move(parameters)) {}

void TzenTuraMain::RunHandler(const std::function<void()>& handler) {
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
  MsgCode = ControlHostedNetwork(ports_.view.NetworkNameText(), ports_.view.PasswordText(), false,
                                 &MsgReason);
  ChooseHotspotKind();
  FillAdapterLists(0, 0);
  SelectSavedAdapters();
  const std::wstring autostart = ports_.registry.ReadString(kRunKey, kRunValueName, L"");
  if (!autostart.empty()) ports_.view.SetAutostartChecked(true);
  if (IsLogonStart(parameters_)) {
    ports_.view.PostAutoStart();
    IsAuto = 1;
  } else {
    IsAuto = 0;
  }
}

void TzenTuraMain::FormDestroy() {
  if (MsgCode == 0 && (FhotspotKind == HotspotKind::HostedNetwork || MobileHotspotActive())) {
    btnStopClick();
  }
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
                                       bool stop, HostedNetworkFailure* failure) {
  return ::ControlHostedNetwork(ports_.commands, ports_.system, networkName, key, stop, ports_.wlan,
                                failure);
}
