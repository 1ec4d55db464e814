#include "qrimg/join_payload.h"

#include <gtest/gtest.h>

#include "test_payloads.h"

namespace {

const Gbk936CodePage kGbk;

TEST(JoinPayloadTest, PlainFieldsGoInOrderTypePasswordName) {
  EXPECT_EQ(JoinPayload("12345678", "Pelanto", kGbk), "WIFI:T:WPA2;P:12345678;S:Pelanto;");
}

TEST(JoinPayloadTest, EmptyFieldsLeaveOnlyTheFixedTexts) {
  EXPECT_EQ(JoinPayload("", "", kGbk), "WIFI:T:WPA2;P:;S:;");
  EXPECT_EQ(JoinPayload("", "net", kGbk), "WIFI:T:WPA2;P:;S:net;");
  EXPECT_EQ(JoinPayload("pw", "", kGbk), "WIFI:T:WPA2;P:pw;S:;");
}

TEST(JoinPayloadTest, EverySpecialCharacterInEitherFieldGetsABackslash) {
  EXPECT_EQ(EscapeJoinField(R"(a\b;c,d"e:f)", kGbk), R"(a\\b\;c\,d\"e\:f)");
  EXPECT_EQ(JoinPayload(R"(p;w")", R"(n:a\me)", kGbk), R"(WIFI:T:WPA2;P:p\;w\";S:n\:a\\me;)");
  EXPECT_EQ(EscapeJoinField(";;", kGbk), R"(\;\;)");
}

TEST(JoinPayloadTest, OtherPunctuationIsCopiedUnchanged) {
  EXPECT_EQ(EscapeJoinField("a'b$c&d=e?f/ ", kGbk), "a'b$c&d=e?f/ ");
}

TEST(JoinPayloadTest, DoubleByteCharactersKeepTheirSecondByteEvenIfItIsABackslash) {
  // 0x95 0x5C is one GBK character; a backslash inside it would break the character.
  EXPECT_EQ(EscapeJoinField("\x95\x5C", kGbk), "\x95\x5C");
  EXPECT_EQ(EscapeJoinField("\xD6\xD0\\\xCE\xC4;", kGbk), "\xD6\xD0\\\\\xCE\xC4\\;");
  EXPECT_EQ(JoinPayload("\x95\x5C", "\xD6\xD0", kGbk), "WIFI:T:WPA2;P:\x95\x5C;S:\xD6\xD0;");
}

TEST(JoinPayloadTest, ALeadByteCutOffAtTheEndIsCopied) {
  EXPECT_EQ(EscapeJoinField("ab\x81", kGbk), "ab\x81");
  EXPECT_EQ(JoinPayload("\x81", "\x81", kGbk), "WIFI:T:WPA2;P:\x81;S:\x81;");
}

TEST(JoinPayloadTest, LongestFieldsDoubleWhenEveryCharacterIsSpecial) {
  const std::string name(64, ':');
  const std::string password(64, '"');
  EXPECT_EQ(JoinPayload(password, name, kGbk).size(), 14u + 128u + 3u + 128u + 1u);
}

}  // namespace
