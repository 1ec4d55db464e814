#include "online/system_message.h"

#include <gtest/gtest.h>

#include "common/win32/helpers.h"

TEST(SystemMessage, DescriptionsInTheAnsiCodePageComeOutWhole) {
  // The euro sign has a code in the Chinese and the Western code pages alike, and in none is
  // it the character of its byte (0x80 in both).
  const std::wstring description = L"\u20AC 10049";
  const std::string ansi = AnsiFromWide(description);
  ASSERT_EQ(WideFromAnsi(ansi), description) << "code page " << GetACP();
  EXPECT_EQ(WideFromSystemMessage(ansi), description);
}
