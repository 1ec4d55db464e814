#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The longest name or key the settings boxes let the user type.
inline constexpr std::size_t kMaxTypedLength = 18;
inline constexpr std::size_t kMinNetworkNameLength = 6;
inline constexpr std::size_t kMinKeyLength = 8;

inline constexpr wchar_t kIncompleteSettingsMessage[] =
    L"请完善信息！！\r\n“WIFI名称”必须由6个以上字符组成。\r\n“密码”必须由8个以上字符组成。";

// The length in UTF-16 code units, as the window's text boxes count it.
std::size_t Utf16Length(std::wstring_view text);

// Whether a typed character may go into a settings box holding `boxText`: backspace, digits and
// the letters A to Z and a to z, and only while the box is shorter than 18 characters.
bool KeyFilterAccepts(wchar_t keyChar, std::wstring_view boxText);

// A name and key long enough to save.
bool SettingsComplete(std::wstring_view networkName, std::wstring_view key);

// The logon value: the executable's path in double quotes, then " -auto".
std::wstring RunValueText(std::wstring_view executablePath);

// Errors of the registry values.
std::wstring InvalidDataTypeMessage(std::wstring_view valueName);
std::wstring FailedToSetDataMessage(std::wstring_view valueName);
