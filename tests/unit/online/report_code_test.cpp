#include "online/report_code.h"

#include <gtest/gtest.h>

#include "online/md5.h"
#include "online/version_text.h"
#include "online/wire_text.h"

TEST(ReportCode, SampleDigests) {
  EXPECT_EQ(Md5Hex("0A1B2C3D4E5F"), "04373BCD90003FAAA0880577512B6251");
  EXPECT_EQ(Md5Hex("1.0.0.0"), "01E8231D1C6F91FF34CE69DFBB41AE84");
  EXPECT_EQ(Md5Hex(""), "D41D8CD98F00B204E9800998ECF8427E");
  EXPECT_EQ(MakeReportCode(L"0A1B2C3D4E5F", L"1.0.0.0", L"1015"),
            L"1D442C01445ED72077FB58D64AB94858");
}

TEST(ReportCode, EmptyPartsHashLikeAnyTextAndNonAsciiCountsAsQuestionMark) {
  const std::string emptyDigest = "D41D8CD98F00B204E9800998ECF8427E";
  EXPECT_EQ(MakeReportCode(L"", L"", L""), WideFromBytes(Md5Hex(emptyDigest + emptyDigest)));
  EXPECT_EQ(MakeReportCode(L"", L"", L"用户"), MakeReportCode(L"", L"", L"??"));
  EXPECT_NE(MakeReportCode(L"", L"", L"1015"), MakeReportCode(L"", L"", L"1016"));
}

TEST(ReportCode, CookieTextIsWhatPrecedesTheFirstSemicolon) {
  EXPECT_EQ(CookieTextOf("sid=42; path=/"), "sid=42");
  EXPECT_EQ(CookieTextOf("a=1;b=2;c"), "a=1");
  EXPECT_EQ(CookieTextOf("sid=42"), "");
  EXPECT_EQ(CookieTextOf(""), "");
}

TEST(VersionText, FourNumbersWithoutLeadingZeros) {
  EXPECT_EQ(VersionText(0x00020001, 0x00000011), L"2.1.0.17");
  EXPECT_EQ(VersionText(0xFFFFFFFF, 0), L"65535.65535.0.0");
}
