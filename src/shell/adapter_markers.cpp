#include "shell/adapter_markers.h"

#include "common/text.h"

namespace {

constexpr wchar_t kHostedAdapterMarker[] = L"microsoft virtual wifi miniport adapter";

}  // namespace

bool OffersAsInternetSide(std::wstring_view deviceName) {
  return !ContainsText(L"virtualbox", deviceName) &&
         !ContainsText(kHostedAdapterMarker, deviceName) && !ContainsText(L"vmware", deviceName);
}

bool IsHostedNetworkAdapter(std::wstring_view deviceName) {
  return ContainsText(kHostedAdapterMarker, deviceName);
}
