#include "hotspot/mobile_hotspot.h"

#include <array>

#include "common/app_error.h"

namespace {

constexpr std::array<const wchar_t*, 9> kStatusNames = {
    L"Success",
    L"Unknown",
    L"MobileBroadbandDeviceOff",
    L"WiFiDeviceOff",
    L"EntitlementCheckTimeout",
    L"EntitlementCheckFailure",
    L"OperationInProgress",
    L"BluetoothDeviceOff",
    L"NetworkLimitedConnectivity",
};

constexpr std::size_t kMaxNameBytes = 32;
constexpr std::size_t kMinKeyLength = 8;
constexpr std::size_t kMaxKeyLength = 63;

std::size_t Utf8Length(std::wstring_view text) {
  std::size_t bytes = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto unit = static_cast<uint32_t>(text[i]);
    if (unit < 0x80) {
      bytes += 1;
    } else if (unit < 0x800) {
      bytes += 2;
    } else if (unit >= 0xD800 && unit < 0xDC00 && i + 1 < text.size()) {
      bytes += 4;  // a surrogate pair is one character of four bytes
      ++i;
    } else {
      bytes += unit > 0xFFFF ? 4 : 3;
    }
  }
  return bytes;
}

// Raises the failure of an operation that did not succeed.
void Check(const TetheringResult& result) {
  if (result.timedOut) throw AppError(kMobileHotspotTimeoutMessage);
  if (result.status != tethering_status::kSuccess) {
    throw AppError(TetheringFailureMessage(result));
  }
}

}  // namespace

std::wstring TetheringStatusName(int status) {
  if (status >= 0 && static_cast<std::size_t>(status) < kStatusNames.size()) {
    return kStatusNames[static_cast<std::size_t>(status)];
  }
  return std::to_wstring(status);
}

std::wstring TetheringFailureMessage(const TetheringResult& result) {
  std::wstring message = kMobileHotspotFailurePrefix + TetheringStatusName(result.status);
  if (!result.additionalErrorMessage.empty()) message += L"\n" + result.additionalErrorMessage;
  return message;
}

bool MobileHotspotAccepts(std::wstring_view networkName, std::wstring_view key) {
  const std::size_t nameBytes = Utf8Length(networkName);
  return nameBytes >= 1 && nameBytes <= kMaxNameBytes && key.size() >= kMinKeyLength &&
         key.size() <= kMaxKeyLength;
}

void CheckMobileHotspotValues(std::wstring_view networkName, std::wstring_view key) {
  if (!MobileHotspotAccepts(networkName, key)) throw AppError(kMobileHotspotRulesMessage);
}

bool TetheringActive(TetheringState state) {
  return state == TetheringState::On || state == TetheringState::InTransition;
}

void StartMobileHotspot(MobileHotspotPort& port, std::wstring_view adapterId,
                        std::wstring_view networkName, std::wstring_view key) {
  CheckMobileHotspotValues(networkName, key);
  Check(port.Configure(adapterId, networkName, key));
  Check(port.Start(adapterId));
}

void StopMobileHotspot(MobileHotspotPort& port, std::wstring_view adapterId) {
  Check(port.Stop(adapterId));
}
