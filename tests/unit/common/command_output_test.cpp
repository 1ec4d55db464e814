#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/command_output.h"

namespace {

// Latin-1 with the two-byte characters of code page 936: a lead byte 0x81..0xFE starts a pair,
// decoded here to one placeholder character per pair.
class TestCodePage : public AnsiCodePage {
 public:
  std::wstring Decode(std::string_view bytes) const override {
    std::wstring text;
    for (size_t i = 0; i < bytes.size(); ++i) {
      const auto byte = static_cast<unsigned char>(bytes[i]);
      if (IsLeadByte(byte) && i + 1 < bytes.size()) {
        text += static_cast<wchar_t>(0x4E00 + ((byte << 8 | static_cast<unsigned char>(bytes[i + 1])) & 0xFFF));
        ++i;
      } else if (IsLeadByte(byte)) {
        text += L'?';  // a lone lead byte
      } else {
        text += static_cast<wchar_t>(byte);
      }
    }
    return text;
  }
  bool IsLeadByte(unsigned char byte) const override { return byte >= 0x81 && byte <= 0xFE; }
};

std::wstring Assemble(const std::vector<std::string>& reads) {
  TestCodePage codePage;
  CommandOutputLines lines(codePage);
  for (const std::string& read : reads) lines.AddBytes(read);
  lines.Finish();
  return lines.Text();
}

}  // namespace

TEST(CommandOutputLines, LastLineWithoutBreakIsKept) {
  EXPECT_EQ(Assemble({"one\r\ntwo"}), L"one\r\ntwo\r\n");
}

TEST(CommandOutputLines, NothingPrintedGivesEmptyText) {
  EXPECT_EQ(Assemble({}), L"");
  EXPECT_EQ(Assemble({"", ""}), L"");
}

TEST(CommandOutputLines, AllLineBreakStylesGiveTheSameLines) {
  EXPECT_EQ(Assemble({"a\nb\n"}), L"a\r\nb\r\n");
  EXPECT_EQ(Assemble({"a\rb\r"}), L"a\r\nb\r\n");
  EXPECT_EQ(Assemble({"a\r\nb\r\n"}), L"a\r\nb\r\n");
  EXPECT_EQ(Assemble({"a\n\nb"}), L"a\r\n\r\nb\r\n");
  EXPECT_EQ(Assemble({"a\r\rb"}), L"a\r\n\r\nb\r\n");
}

TEST(CommandOutputLines, LineCutBetweenReadsComesOutOnceAndWhole) {
  EXPECT_EQ(Assemble({"hosted net", "work started\r", "\nnext"}),
            L"hosted network started\r\nnext\r\n");
  // A CR LF pair split between two reads is one line break, not two.
  EXPECT_EQ(Assemble({"a\r", "\r\n", "b"}), L"a\r\n\r\nb\r\n");
}

TEST(CommandOutputLines, LineIsEmittedAsSoonAsItsBreakIsRead) {
  TestCodePage codePage;
  CommandOutputLines lines(codePage);
  lines.AddBytes("first\r\nsec");
  ASSERT_EQ(lines.Lines().size(), 1u);
  EXPECT_EQ(lines.Lines()[0], L"first");
  lines.AddBytes("ond\r");
  ASSERT_EQ(lines.Lines().size(), 2u);
  EXPECT_EQ(lines.Lines()[1], L"second");
}

TEST(CommandOutputLines, TextIsTakenOnlyUpToNul) {
  EXPECT_EQ(Assemble({std::string("ab\0cd\r\n", 7), "ef\r\n"}), L"abef\r\n");
}

TEST(CommandOutputLines, TwoByteCharacterSplitBetweenReadsIsDecodedWhole) {
  const std::string pair = "\xC3\xBB";
  EXPECT_EQ(Assemble({"x" + pair.substr(0, 1), pair.substr(1) + "y"}), Assemble({"x" + pair + "y"}));
  // A trail byte that looks like a lead byte must not be mistaken for one.
  const std::string two = "\xB0\xB1\xB2\xB3";
  EXPECT_EQ(Assemble({two.substr(0, 2), two.substr(2)}), Assemble({two}));
  EXPECT_EQ(Assemble({two.substr(0, 3), two.substr(3)}), Assemble({two}));
  // A lead byte with nothing after it still comes out at the end.
  EXPECT_EQ(Assemble({"z\xC3"}), L"z?\r\n");
}

TEST(CommandOutputLines, LargeOutputInManySmallReadsLosesNothing) {
  std::string all;
  for (int i = 0; i < 20000; ++i) all += "line " + std::to_string(i) + (i % 3 ? "\r\n" : "\n");
  std::vector<std::string> reads;
  for (size_t at = 0; at < all.size(); at += 4093) reads.push_back(all.substr(at, 4093));
  const std::wstring text = Assemble(reads);
  EXPECT_EQ(text.size(), all.size() + 20000 / 3 + 1);
  EXPECT_NE(text.find(L"\r\nline 19999\r\n"), std::wstring::npos);
}

TEST(CommandOutputLines, KeepsOnlyTheFirstBytesAndLines) {
  TestCodePage codePage;
  CommandOutputLines byBytes(codePage, 10);
  byBytes.AddBytes("abcd\r\nef");
  byBytes.AddBytes("ghij\r\nnever\r\n");
  byBytes.Finish();
  EXPECT_EQ(byBytes.Text(), L"abcd\r\nefgh\r\n");  // cut inside a line: its start is kept

  CommandOutputLines byLines(codePage, 1000, 2);
  byLines.AddBytes("one\ntwo\nthree\nfour");
  byLines.AddBytes("five\n");
  byLines.Finish();
  EXPECT_EQ(byLines.Text(), L"one\r\ntwo\r\n");
}
