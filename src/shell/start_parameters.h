#pragma once

#include <string>
#include <vector>

// The parameter of the start at logon.
inline constexpr wchar_t kAutoParameter[] = L"-auto";

// "-auto" as the first parameter, exactly (letter case counts; later parameters do not).
inline bool IsLogonStart(const std::vector<std::wstring>& parameters) {
  return !parameters.empty() && parameters.front() == kAutoParameter;
}
