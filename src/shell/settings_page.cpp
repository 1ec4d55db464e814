// The persisted settings and the settings page of the main window.
#include "common/app_error.h"
#include "sharing/nt_net_connection.h"
#include "shell/settings_keys.h"
#include "shell/settings_rules.h"
#include "shell/untMain.h"

namespace {

void WriteOrRaise(RegistryKey& key, const wchar_t* name, std::wstring_view value) {
  if (!key.WriteString(name, value)) throw AppError(FailedToSetDataMessage(name));
}

}  // namespace

void TzenTuraMain::LoadSettings() {
  std::unique_ptr<RegistryKey> key = ports_.registry.OpenOrCreate(kSettingsKey);
  if (!key) return;
  auto readString = [&key](const wchar_t* name) {
    StoredValue value = key->Read(name);
    if (value.kind == StoredValue::Kind::OtherType) throw AppError(InvalidDataTypeMessage(name));
    return value.text;
  };
  std::wstring name = readString(kNetworkNameValue);
  ports_.view.SetNetworkNameText(name.empty() ? kDefaultNetworkName : name);
  std::wstring password = readString(kPasswordValue);
  ports_.view.SetPasswordText(password.empty() ? kDefaultPassword : password);
  FindexNet = readString(kInternetSideValue);
  FindexWifi = readString(kHostedSideValue);
}

void TzenTuraMain::SaveSettings(std::wstring_view networkName, std::wstring_view key,
                                std::wstring_view internetSideId, std::wstring_view hostedSideId) {
  if (std::unique_ptr<RegistryKey> settings = ports_.registry.OpenOrCreate(kSettingsKey)) {
    WriteOrRaise(*settings, kNetworkNameValue, networkName);
    WriteOrRaise(*settings, kPasswordValue, key);
    WriteOrRaise(*settings, kInternetSideValue, internetSideId);
    WriteOrRaise(*settings, kHostedSideValue, hostedSideId);
  }
  std::unique_ptr<RegistryKey> run = ports_.registry.OpenOrCreate(kRunKey);
  if (!run) return;
  if (ports_.view.AutostartChecked()) {
    WriteRunValue(*run);
  } else {
    run->Delete(kRunValueName);
    ports_.logonTask.Delete();
  }
}

void TzenTuraMain::WriteRunValue(RegistryKey& runKey) {
  const std::wstring executablePath = ports_.system.ExecutablePath();
  WriteOrRaise(runKey, kRunValueName, RunValueText(executablePath));
  if (!ports_.logonTask.Register(executablePath)) {
    throw AppError(FailedToSetDataMessage(kLogonTaskDataName));
  }
}

TNTNetConnection* TzenTuraMain::SelectedConnection(AdapterList list) const {
  return ports_.view.AdapterConnection(list, ports_.view.SelectedAdapterIndex(list));
}

std::wstring TzenTuraMain::SelectedId(AdapterList list) const {
  const TNTNetConnection* connection = SelectedConnection(list);
  // A list without a selected connection stores an empty identifier for its side.
  return connection ? connection->GuidId() : std::wstring();
}

void TzenTuraMain::btnSettingClick() {
  RunHandler([this] {
    if (MsgCode != 0) return;
    LoadSettings();
    SelectSavedAdapters();
    FillAdapterLists(ports_.view.SelectedAdapterIndex(AdapterList::Public),
                     ports_.view.SelectedAdapterIndex(AdapterList::Private));
    textsAtPageOpen_ = {ports_.view.NetworkNameText(), ports_.view.PasswordText()};
    ports_.view.ShowHomeToSettings();
    ports_.view.SetTrayStartEnabled(false);
  });
}

void TzenTuraMain::btnSetBackClick() {
  // Cancelled edits must not reach the start and its join code while the network runs with
  // the saved ones.
  ports_.view.SetNetworkNameText(textsAtPageOpen_.networkName);
  ports_.view.SetPasswordText(textsAtPageOpen_.key);
  ports_.view.ShowSettingsToHome();
  ports_.view.SetTrayStartEnabled(true);
}

void TzenTuraMain::btnSetSaveClick() {
  RunHandler([this] {
    const std::wstring name = ports_.view.NetworkNameText();
    const std::wstring key = ports_.view.PasswordText();
    if (!SettingsComplete(name, key)) {
      ports_.dialogs.AskYesNo(kIncompleteSettingsMessage, L"");
      return;
    }
    SaveSettings(name, key, SelectedId(AdapterList::Public), SelectedId(AdapterList::Private));
    if (FhotspotKind == HotspotKind::MobileHotspot) {
      RestartMobileHotspot(name, key);
    } else {
      ControlHostedNetwork(name, key, false);
    }
    ports_.view.ShowSettingsToHome();
    ports_.view.SetTrayStartEnabled(true);
  });
}

void TzenTuraMain::tSSIDNameKeyDown(uint16_t&, wchar_t& keyChar) {
  if (!KeyFilterAccepts(keyChar, ports_.view.NetworkNameText())) keyChar = 0;
}

void TzenTuraMain::tPwdKeyDown(uint16_t&, wchar_t& keyChar) {
  if (!KeyFilterAccepts(keyChar, ports_.view.PasswordText())) keyChar = 0;
}
