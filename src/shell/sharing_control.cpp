// One-click sharing: the connection lists, the start and stop actions and the tray.
#include <exception>

#include "hotspot/mobile_hotspot.h"
#include "qrimg/join_payload.h"
#include "sharing/nt_firewall.h"
#include "sharing/nt_net_connection.h"
#include "sharing/nt_net_connection_list.h"
#include "shell/adapter_markers.h"
#include "shell/settings_keys.h"
#include "shell/untMain.h"

namespace {

constexpr wchar_t kStartCaption[] = L"温馨提示：";
constexpr wchar_t kAutostartQuestion[] = L"你需要让电脑自动开启WIFI功能吗？";
constexpr wchar_t kNoAdapterMessage[] =
    L"很遗憾，您没有无线网卡或还没有安装好网卡驱动，无法开启wifi共享！！";
constexpr wchar_t kOldSystemMessage[] = L"很遗憾，您的系统不是win7，无法开启wifi共享！！";
constexpr wchar_t kServiceStoppedMessage[] =
    L"无线网络服务（WLAN AutoConfig）没有运行，请启动该服务后重新打开本程序。";
constexpr wchar_t kNoHostedNetworkMessage[] = L"您的无线网卡驱动不支持承载网络，无法开启wifi共享！！";
constexpr wchar_t kPasswordLinePrefix[] = L"密码:";

// What the user is told when the hosted network is not ready, by the reason.
const wchar_t* UnavailableMessage(HostedNetworkFailure failure) {
  switch (failure) {
    case HostedNetworkFailure::ServiceNotRunning:
      return kServiceStoppedMessage;
    case HostedNetworkFailure::DriverHasNoHostedNetwork:
      return kNoHostedNetworkMessage;
    case HostedNetworkFailure::NoWirelessAdapter:
    case HostedNetworkFailure::Other:
    case HostedNetworkFailure::None:
      break;
  }
  return kNoAdapterMessage;
}

// Selects the first entry whose connection has the identifier `storedId`; false, with the
// selection kept, when none has.
bool SelectStored(MainView& view, AdapterList list, const std::wstring& storedId) {
  if (storedId.empty()) return false;
  for (int i = 0; i < view.AdapterCount(list); ++i) {
    const TNTNetConnection* connection = view.AdapterConnection(list, i);
    if (connection && connection->GuidId() == storedId) {
      view.SelectAdapter(list, i);
      return true;
    }
  }
  return false;
}

// Selects the connection chosen before the rebuild by its identifier, since a connection that
// went up or down shifts the positions; a choice no longer listed falls back to `index`. A list
// that had no selection yet (-1) starts at its first entry, so a side that was missing at
// start-up is picked up once it appears.
TNTNetConnection* Reselect(MainView& view, AdapterList list, const std::wstring& chosenId,
                           int index) {
  if (!SelectStored(view, list, chosenId)) view.SelectAdapter(list, index < 0 ? 0 : index);
  return view.AdapterConnection(list, view.SelectedAdapterIndex(list));
}

}  // namespace

void TzenTuraMain::FillAdapterLists(int publicIndex, int privateIndex) {
  if (MsgCode != 0) return;
  MainView& view = ports_.view;
  const std::wstring publicChoice = SelectedId(AdapterList::Public);
  const std::wstring privateChoice = SelectedId(AdapterList::Private);
  view.ClearAdapterList(AdapterList::Public);
  view.ClearAdapterList(AdapterList::Private);
  TNTNetConnectionList& connections = ports_.firewall.Connections();
  for (int i = 0; i < connections.Count(); ++i) {
    TNTNetConnection& connection = connections.Items(i);
    if (connection.Status() == NCS_CONNECTED && OffersAsInternetSide(connection.DeviceName())) {
      view.AddAdapterEntry(AdapterList::Public, connection.Name(), &connection);
    }
    if (FhotspotKind == HotspotKind::HostedNetwork &&
        IsHostedNetworkAdapter(connection.DeviceName())) {
      if (connection.Status() == NCS_DISCONNECTED) connection.Connect();
      view.AddAdapterEntry(AdapterList::Private, connection.Name(), &connection);
    }
  }
  // The Mobile Hotspot brings its own adapter: one entry without a connection.
  if (FhotspotKind == HotspotKind::MobileHotspot) {
    view.AddAdapterEntry(AdapterList::Private, kMobileHotspotEntryName, nullptr);
  }
  FoutNet = Reselect(view, AdapterList::Public, publicChoice, publicIndex);
  FinNet = Reselect(view, AdapterList::Private, privateChoice, privateIndex);
}

void TzenTuraMain::SelectSavedAdapters() {
  if (MsgCode != 0) return;
  SelectStored(ports_.view, AdapterList::Public, FindexNet);
  SelectStored(ports_.view, AdapterList::Private, FindexWifi);
  // The pair follows what the lists show, so quitting before the first start switches off
  // the connections the user sees.
  FoutNet = SelectedConnection(AdapterList::Public);
  FinNet = SelectedConnection(AdapterList::Private);
}

void TzenTuraMain::SetSharing(TNTNetConnection* internetSide, TNTNetConnection* hostedSide,
                              bool enable) {
  if (enable) {
    // A connection shared already, in either role, is left as it is.
    if (internetSide && !internetSide->SharingEnabled()) {
      internetSide->EnableSharing(ICSSHARINGTYPE_PUBLIC);
    }
    if (hostedSide) hostedSide->EnableSharing(ICSSHARINGTYPE_PRIVATE);
    return;
  }
  // Each side gets its own attempt: a failure on one must not leave the other shared.
  std::exception_ptr firstError;
  for (TNTNetConnection* side : {internetSide, hostedSide}) {
    if (!side) continue;
    try {
      side->EnableSharing(kSharingTypeNone);
    } catch (...) {
      if (!firstError) firstError = std::current_exception();
    }
  }
  if (firstError) std::rethrow_exception(firstError);
}

void TzenTuraMain::btnBeginClick() {
  RunHandler([this] {
    if (IsAuto == 1) {
      // The automatic start shows nothing, and happens once even when it fails.
      IsAuto = 0;
      if (MsgCode == 0) StartSequence();
      return;
    }
    if (!ports_.view.AutostartChecked()) AskForAutostart();
    switch (MsgCode) {
      case 0:
        StartSequence();
        break;
      case 1:
        ports_.dialogs.ShowInfoMessage(UnavailableMessage(MsgReason), kStartCaption,
                                       kInformationIcon);
        break;
      case 2:
        ports_.dialogs.ShowInfoMessage(kOldSystemMessage, kStartCaption, kInformationIcon);
        break;
      default:
        break;
    }
  });
}

void TzenTuraMain::AskForAutostart() {
  if (!ports_.dialogs.AskYesNo(kAutostartQuestion, kStartCaption)) return;
  ports_.view.SetAutostartChecked(true);
  if (std::unique_ptr<RegistryKey> run = ports_.registry.OpenOrCreate(kRunKey)) {
    WriteRunValue(*run);
  }
}

void TzenTuraMain::StartSequence() {
  MainView& view = ports_.view;
  view.ShowHomeToRunning();
  view.SetTrayStartChecked(true);
  view.StopSpinner();
  const std::wstring name = view.NetworkNameText();
  const std::wstring key = view.PasswordText();
  const AnsiText& ansi = ports_.ansi;
  ShowQrCode(JoinPayload(ansi.Encode(key), ansi.Encode(name), ansi));
  view.SetRunningTexts(name, kPasswordLinePrefix + key);
  FillAdapterLists(view.SelectedAdapterIndex(AdapterList::Public),
                   view.SelectedAdapterIndex(AdapterList::Private));
  if (FhotspotKind == HotspotKind::MobileHotspot) {
    StartMobileHotspot(ports_.mobileHotspot, InternetSideId(), name, key);
  } else {
    SetSharing(FoutNet, FinNet, true);
  }
  view.StartSpinner();
}

void TzenTuraMain::btnStopClick() {
  RunHandler([this] {
    ports_.view.ShowRunningToHome();
    ports_.view.SetTrayStartChecked(false);
    if (FhotspotKind == HotspotKind::MobileHotspot) {
      StopMobileHotspot(ports_.mobileHotspot, InternetSideId());
    } else {
      SetSharing(FoutNet, FinNet, false);
    }
  });
}

void TzenTuraMain::NwifiClick() {
  if (ports_.view.TrayStartChecked()) {
    btnStopClick();
  } else {
    btnBeginClick();
  }
}

void TzenTuraMain::TrayIcon1Click() {
  ports_.view.ShowWindow();
  if (ports_.view.RunningScreenVisible()) ports_.view.StartSpinner();
}
