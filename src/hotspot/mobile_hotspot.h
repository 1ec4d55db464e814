#pragma once

#include <string>
#include <string_view>

#include "hotspot/mobile_hotspot_port.h"

// The hosted-side list's one entry while the Mobile Hotspot is the hotspot.
inline constexpr wchar_t kMobileHotspotEntryName[] = L"Windows 移动热点";

inline constexpr wchar_t kMobileHotspotFailurePrefix[] = L"无法开启移动热点：";
inline constexpr wchar_t kMobileHotspotTimeoutMessage[] = L"无法开启移动热点：操作超时。";
inline constexpr wchar_t kMobileHotspotRulesMessage[] =
    L"无法开启移动热点：WIFI名称或密码不符合要求。";

// The platform's name of a status ("WiFiDeviceOff"); the number for one it did not name yet.
std::wstring TetheringStatusName(int status);

// The message of a failed operation: the prefix, the status's name and, when there is one, a
// line break and the platform's additional message.
std::wstring TetheringFailureMessage(const TetheringResult& result);

// What the Mobile Hotspot takes: a name of 1 to 32 bytes (UTF-8) and a passphrase of 8 to 63
// characters.
bool MobileHotspotAccepts(std::wstring_view networkName, std::wstring_view key);

// Raises the rules' error for a name or key the Mobile Hotspot would not take.
void CheckMobileHotspotValues(std::wstring_view networkName, std::wstring_view key);

// True while tethering runs or is being switched.
bool TetheringActive(TetheringState state);

// Configures the access point and starts tethering. Every failure raises an AppError.
void StartMobileHotspot(MobileHotspotPort& port, std::wstring_view adapterId,
                        std::wstring_view networkName, std::wstring_view key);
void StopMobileHotspot(MobileHotspotPort& port, std::wstring_view adapterId);
