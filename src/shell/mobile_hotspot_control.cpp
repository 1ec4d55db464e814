// The Mobile Hotspot as the hotspot where the driver offers no hosted network.
#include "hotspot/mobile_hotspot.h"
#include "sharing/nt_net_connection.h"
#include "shell/untMain.h"

void TzenTuraMain::ChooseHotspotKind() {
  if (MsgCode != 1) return;
  // Only where the hosted network is missing; a stopped service or no adapter is for the user
  // to mend.
  if (MsgReason != HostedNetworkFailure::DriverHasNoHostedNetwork &&
      MsgReason != HostedNetworkFailure::Other) {
    return;
  }
  FmobileHotspotCapability = ports_.mobileHotspot.InternetCapability();
  if (FmobileHotspotCapability != TetheringCapability::Enabled) return;
  FhotspotKind = HotspotKind::MobileHotspot;
  MsgCode = 0;
  MsgReason = HostedNetworkFailure::None;
}

std::wstring TzenTuraMain::InternetSideId() const {
  return FoutNet ? FoutNet->GuidId() : std::wstring();
}

bool TzenTuraMain::MobileHotspotActive() {
  return TetheringActive(ports_.mobileHotspot.State(InternetSideId()));
}

void TzenTuraMain::RestartMobileHotspot(std::wstring_view networkName, std::wstring_view key) {
  // Switched off, the new values wait for the next start.
  if (!MobileHotspotActive()) return;
  // Values it would refuse leave the running hotspot as it is.
  CheckMobileHotspotValues(networkName, key);
  StopMobileHotspot(ports_.mobileHotspot, InternetSideId());
  StartMobileHotspot(ports_.mobileHotspot, InternetSideId(), networkName, key);
}
