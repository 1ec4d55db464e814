#pragma once

#include <string>
#include <string_view>

// Windows' Mobile Hotspot: the tethering manager of a connection profile, configured with a name
// and a passphrase; it shares that profile and runs its own DHCP. Values as the platform numbers
// them.
enum class TetheringCapability {
  Enabled = 0,
  DisabledByGroupPolicy = 1,
  DisabledByHardwareLimitation = 2,
  DisabledByOperator = 3,
  DisabledBySku = 4,
  DisabledByRequiredAppNotInstalled = 5,
  DisabledDueToUnknownCause = 6,
  DisabledBySystemCapability = 7,
  // Ours: the classes cannot be activated (Windows 7 and 8, older 10) or there is no profile.
  Unavailable = -1,
};

enum class TetheringState { Unknown = 0, On = 1, Off = 2, InTransition = 3 };

// The status numbers of a tethering operation; a newer system may answer others.
namespace tethering_status {
inline constexpr int kSuccess = 0;
inline constexpr int kWiFiDeviceOff = 3;
inline constexpr int kOperationInProgress = 6;
}  // namespace tethering_status

// The end of one asynchronous operation.
struct TetheringResult {
  // The wait ran out before the operation ended; status and message then mean nothing.
  bool timedOut = false;
  int status = tethering_status::kSuccess;
  std::wstring additionalErrorMessage;
};

// The platform side. `adapterId` names the profile to work on: the profile whose network
// adapter has that identifier (a GUID in braces, any case), or, without one, the Internet
// connection profile. A failing platform call raises an AppError with the system's message.
class MobileHotspotPort {
 public:
  virtual ~MobileHotspotPort() = default;
  // The capability of the Internet connection profile; Unavailable when it cannot be asked.
  virtual TetheringCapability InternetCapability() = 0;
  // Unknown when there is no profile or no manager to ask.
  virtual TetheringState State(std::wstring_view adapterId) = 0;
  // Sets name and passphrase of the access point (the current configuration, changed).
  virtual TetheringResult Configure(std::wstring_view adapterId, std::wstring_view ssid,
                                    std::wstring_view passphrase) = 0;
  virtual TetheringResult Start(std::wstring_view adapterId) = 0;
  virtual TetheringResult Stop(std::wstring_view adapterId) = 0;
};
