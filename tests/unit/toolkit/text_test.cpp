#include <gtest/gtest.h>

#include <cstdlib>

#include "test_support.h"
#include "toolkit/text_layout.h"

namespace {

using namespace toolkit;

TEST(TextLayout, WrapsAtSpacesAndBetweenCjkCharacters) {
  TextStyle style{{L"Tahoma", 11, false}, 0xFFE0E0E0, TextAlign::Leading, TextAlign::Center, true};
  const auto layout =
      LayoutText(TestFonts(), L"使用小米MIUI系统自带相机扫描，自动连接该网络", style, {242, 36});
  ASSERT_EQ(layout.lineStarts.size(), 2u);
  EXPECT_LE(layout.width, 242);
  // The comma never starts a line.
  const std::u32string cps = CodePoints(L"使用小米MIUI系统自带相机扫描，自动连接该网络");
  EXPECT_NE(cps[layout.lineStarts[1]], U'，');
  const auto words = LayoutText(TestFonts(), L"alpha beta gamma", style, {40, 40});
  ASSERT_GE(words.lineStarts.size(), 2u);
  EXPECT_EQ(words.lineStarts[1], 6u);  // after "alpha "
  EXPECT_TRUE(CanBreakBetween(U'中', U'文'));
  EXPECT_FALSE(CanBreakBetween(U'a', U'b'));
  EXPECT_FALSE(CanBreakBetween(U'中', U'。'));
}

TEST(TextLayout, AlignsHorizontallyAndVertically) {
  TextStyle centred{{L"Tahoma", 13, true}, 0xFFFFFFFF, TextAlign::Center, TextAlign::Center, false};
  const auto c = LayoutText(TestFonts(), L"OK", centred, {100, 40});
  const float width = c.width;
  EXPECT_NEAR(c.glyphs.front().x, (100 - width) / 2, 1);
  TextStyle right = centred;
  right.horizontal = TextAlign::Trailing;
  const auto r = LayoutText(TestFonts(), L"OK", right, {100, 40});
  EXPECT_NEAR(r.glyphs.front().x, 100 - width, 0.01);
  EXPECT_GT(c.glyphs.front().baseline,
            LayoutText(TestFonts(), L"OK",
                       {{L"Tahoma", 13, true}, 0, TextAlign::Leading, TextAlign::Leading, false},
                       {100, 40})
                .glyphs.front()
                .baseline);
}

TEST(Fonts, FallbackFaceDrawsCharactersTheFirstFaceLacksAndBoldIsBolder) {
  EXPECT_FALSE(TestFonts().GlyphFor({L"Tahoma", 12, true}, U'扫').coverage.empty());
  const float regular = CaretOffsets(TestFonts(), L"Pelanto", {L"Tahoma", 11, false}).back();
  const float bold = CaretOffsets(TestFonts(), L"Pelanto", {L"Tahoma", 11, true}).back();
  EXPECT_GT(bold, regular);
  // Text rendering: glyph pixels carry the colour, the rest stays transparent.
  const Bitmap text = RenderText(
      TestFonts(), L"设置",
      {{L"Tahoma", 12, false}, 0xFFE0D59C, TextAlign::Center, TextAlign::Center, false}, {40, 20});
  int inked = 0, close = 0;
  for (int y = 0; y < text.Height(); ++y) {
    for (int x = 0; x < text.Width(); ++x) {
      if (AlphaAt(text, x, y) < 160) continue;
      ++inked;
      const Color c = StraightColor(text.At(x, y));
      close += std::abs(RedOf(c) - 0xE0) <= 2 && std::abs(GreenOf(c) - 0xD5) <= 2 &&
               std::abs(BlueOf(c) - 0x9C) <= 2;
    }
  }
  EXPECT_GT(inked, 5);
  EXPECT_EQ(close, inked);
  EXPECT_EQ(text.At(0, 0), 0u);
}

TEST(Fonts, MissingFamilyDrawsWithTheFallbackAndLoneSurrogatesDoNotBreak) {
  FontLibrary fonts(FileFontSource::Default());
  EXPECT_FALSE(fonts.HasFamily(L"Nonexistent", false));
  EXPECT_FALSE(fonts.GlyphFor({L"Nonexistent", 11, false}, U'A').coverage.empty());
  const std::wstring broken{L'a', static_cast<wchar_t>(0xD800), L'b'};
  EXPECT_EQ(CodePoints(broken).size(), 3u);
  EXPECT_NO_THROW(RenderText(fonts, broken, {}, {50, 20}));
}

TEST(Fonts, FaceBytesStayWhereTheyAreUntilTheLastCopyGoes) {
  std::vector<uint8_t> file{1, 2, 3};
  const uint8_t* where = file.data();
  FontBytes copy(std::move(file));
  FontBytes moved = std::move(copy);
  EXPECT_EQ(moved.data(), where);
  EXPECT_EQ(moved.size(), 3u);
  static const uint8_t view[] = {4, 5};
  int released = 0;
  {
    FontBytes mapped(std::shared_ptr<const void>(view, [&](const void*) { ++released; }), view, 2);
    const FontBytes shared = mapped;
    mapped = FontBytes();
    EXPECT_EQ(released, 0);
    EXPECT_EQ(shared.data(), view);
  }
  EXPECT_EQ(released, 1);
  // A view nothing keeps alive is no view.
  EXPECT_TRUE(FontBytes(nullptr, view, 2).empty());
}

}  // namespace
