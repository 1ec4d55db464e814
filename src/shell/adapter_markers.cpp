#include "shell/adapter_markers.h"

#include "common/text.h"

namespace {

// The hosted network's own adapter: Windows 7, then Windows 8 and later.
constexpr const wchar_t* kHostedAdapterMarkers[] = {L"microsoft virtual wifi miniport adapter",
                                                    L"microsoft hosted network virtual adapter"};
// Adapters that never carry the Internet: virtual machines' host-only networks and the Mobile
// Hotspot's Wi-Fi Direct adapter of Windows 10 and 11.
constexpr const wchar_t* kNeverInternetMarkers[] = {L"virtualbox", L"vmware",
                                                    L"microsoft wi-fi direct virtual adapter"};

template <size_t N>
bool ContainsAny(const wchar_t* const (&markers)[N], std::wstring_view deviceName) {
  for (const wchar_t* marker : markers) {
    if (ContainsText(marker, deviceName)) return true;
  }
  return false;
}

}  // namespace

bool OffersAsInternetSide(std::wstring_view deviceName) {
  return !ContainsAny(kNeverInternetMarkers, deviceName) && !IsHostedNetworkAdapter(deviceName);
}

bool IsHostedNetworkAdapter(std::wstring_view deviceName) {
  return ContainsAny(kHostedAdapterMarkers, deviceName);
}
