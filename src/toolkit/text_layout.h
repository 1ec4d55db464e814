#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "toolkit/bitmap.h"
#include "toolkit/color.h"
#include "toolkit/font.h"
#include "toolkit/geometry.h"

namespace toolkit {

enum class TextAlign { Leading, Center, Trailing };

struct TextStyle {
  FontSpec font;
  Color color = 0xFF000000;
  TextAlign horizontal = TextAlign::Leading;
  TextAlign vertical = TextAlign::Center;
  bool wordWrap = false;
};

// The characters of a UTF-16 (or UTF-32) string as code points; lone surrogates become U+FFFD.
std::u32string CodePoints(std::wstring_view text);

// Whether a line may break before `next` when it follows `previous`: after spaces, and between
// CJK characters (but not before closing punctuation).
bool CanBreakBetween(char32_t previous, char32_t next);

struct PlacedGlyph {
  const Glyph* glyph = nullptr;
  float x = 0;         // pen position
  float baseline = 0;  // baseline position
  size_t index = 0;    // index of the code point
};

struct TextLayout {
  std::vector<PlacedGlyph> glyphs;
  std::vector<std::u32string::size_type> lineStarts;
  float width = 0;   // widest line
  float height = 0;  // all lines
};

// Places `text` in a box of `box` size: explicit line breaks, word wrap at the box width when the
// style asks for it, and the style's alignments.
TextLayout LayoutText(FontLibrary& fonts, std::wstring_view text, const TextStyle& style,
                      SizeF box);

// The pen position before each character of a single line and after its last (size + 1 values).
std::vector<float> CaretOffsets(FontLibrary& fonts, std::wstring_view text, const FontSpec& font);

// The laid-out text as an image of the box's size (rounded up), in the style's colour.
Bitmap RenderText(FontLibrary& fonts, std::wstring_view text, const TextStyle& style, SizeF box);

}  // namespace toolkit
