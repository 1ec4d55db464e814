#pragma once

#include <string>
#include <string_view>

#include "common/ansi_code_page.h"

// The system's ANSI code page in both directions; the join code carries its bytes.
class AnsiText : public AnsiCodePage {
 public:
  // A character the code page cannot represent becomes its default character.
  virtual std::string Encode(std::wstring_view text) const = 0;
};
