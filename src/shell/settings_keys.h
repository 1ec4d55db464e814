#pragma once

// Where the program keeps its settings under HKEY_CURRENT_USER.
inline constexpr wchar_t kSettingsKey[] = L"Software\\zenTura";
inline constexpr wchar_t kRunKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
inline constexpr wchar_t kRunValueName[] = L"zenTura";

inline constexpr wchar_t kNetworkNameValue[] = L"wifiName";
inline constexpr wchar_t kPasswordValue[] = L"wifiPsw";
inline constexpr wchar_t kInternetSideValue[] = L"netCard";
inline constexpr wchar_t kHostedSideValue[] = L"wifiCard";

inline constexpr wchar_t kDefaultNetworkName[] = L"ZENTURA";
inline constexpr wchar_t kDefaultPassword[] = L"5831027469";
