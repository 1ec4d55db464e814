#pragma once

#include <cstdint>
#include <string_view>

inline constexpr uint32_t kInformationIcon = 0x40;  // MB_ICONINFORMATION

// The application's modal message boxes.
class Dialogs {
 public:
  virtual ~Dialogs() = default;
  virtual void ShowInfoMessage(std::wstring_view text, std::wstring_view caption,
                               uint32_t flags) = 0;
  // OK and Cancel; true only for OK.
  virtual bool AskYesNo(std::wstring_view text, std::wstring_view caption) = 0;
  // The standard error box for an error that ended a handler.
  virtual void ShowErrorBox(std::wstring_view message) = 0;
};
