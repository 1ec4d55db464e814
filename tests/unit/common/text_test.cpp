#include <gtest/gtest.h>

#include "common/text.h"

TEST(ContainsText, IgnoresCaseOfLatinLettersOnly) {
  EXPECT_TRUE(ContainsText(L"microsoft virtual wifi miniport adapter",
                           L"MICROSOFT VIRTUAL WIFI MINIPORT ADAPTER #2"));
  EXPECT_TRUE(ContainsText(L"Wi-Fi", L"intel(r) wi-fi 6 ax201"));
  // Letters outside A to Z are compared exactly.
  EXPECT_FALSE(ContainsText(L"ä", L"Ä"));
  EXPECT_TRUE(ContainsText(L"网卡", L"无线网卡"));
  EXPECT_FALSE(ContainsText(L"adapter2", L"adapter"));
}

TEST(ContainsText, EmptyPartNeverMatches) {
  EXPECT_FALSE(ContainsText(L"", L"anything"));
  EXPECT_FALSE(ContainsText(L"", L""));
}

TEST(LowerAsciiLetters, LeavesEverythingButAToZ) {
  EXPECT_EQ(LowerAsciiLetters(L"AZaz09[@ÄÉ没有运行"), L"azaz09[@ÄÉ没有运行");
}

TEST(WebAddress, AddsSchemeOnlyWhenHttpIsAbsent) {
  EXPECT_EQ(WebAddress(L"www.pelanto.example/bbs/"), L"http://www.pelanto.example/bbs/");
  EXPECT_EQ(WebAddress(L"http://www.pelanto.example/"), L"http://www.pelanto.example/");
  // "http://" anywhere, in exactly this case, keeps the address as it is.
  EXPECT_EQ(WebAddress(L"go?to=http://x"), L"go?to=http://x");
  EXPECT_EQ(WebAddress(L"HTTP://x"), L"http://HTTP://x");
  EXPECT_EQ(WebAddress(L"https://x"), L"http://https://x");
}

TEST(ErrorBoxText, AppendsDotAfterCharactersAboveDot) {
  EXPECT_EQ(ErrorBoxText(L"Connection refused"), L"Connection refused.");
  EXPECT_EQ(ErrorBoxText(L"Interface not supported"), L"Interface not supported.");
  EXPECT_EQ(ErrorBoxText(L"done."), L"done.");
  EXPECT_EQ(ErrorBoxText(L"what!"), L"what!");   // '!' is below '.'
  EXPECT_EQ(ErrorBoxText(L"path/"), L"path/.");  // '/' is above '.'
  EXPECT_EQ(ErrorBoxText(L"出错了"), L"出错了.");
  EXPECT_EQ(ErrorBoxText(L""), L"");
}

TEST(ApplicationTitle, FileNameUpToFirstDotWithTailLowered) {
  EXPECT_EQ(ApplicationTitle(L"C:\\Program Files\\Pelanto\\Pelanto.exe"), L"Pelanto");
  EXPECT_EQ(ApplicationTitle(L"C:\\x.y\\PELANTO.EXE"), L"Pelanto");
  EXPECT_EQ(ApplicationTitle(L"D:\\tools\\pelanto.v2.exe"), L"pelanto");
  EXPECT_EQ(ApplicationTitle(L"Z:/tmp/Hotspot"), L"Hotspot");
}

TEST(CaptionOrDefault, EmptyCaptionBecomesInformation) {
  EXPECT_EQ(CaptionOrDefault(L""), L"Information");
  EXPECT_EQ(CaptionOrDefault(L"提示"), L"提示");
}

TEST(DirectoryOf, KeepsTrailingSeparator) {
  EXPECT_EQ(DirectoryOf(L"C:\\Program Files\\Pelanto\\Pelanto.exe"), L"C:\\Program Files\\Pelanto\\");
  EXPECT_EQ(DirectoryOf(L"Pelanto.exe"), L"");
}
