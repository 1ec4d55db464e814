#include "toolkit/text_layout.h"

#include <algorithm>
#include <cmath>

namespace toolkit {
namespace {

bool IsCjk(char32_t c) {
  return (c >= 0x2E80 && c <= 0x9FFF) || (c >= 0xAC00 && c <= 0xD7AF) ||
         (c >= 0xF900 && c <= 0xFAFF) || (c >= 0xFF00 && c <= 0xFFEF) ||
         (c >= 0x20000 && c <= 0x3FFFF);
}

bool IsClosingPunctuation(char32_t c) {
  static constexpr std::u32string_view kClosing = U"，。、；：？！）》」』】〉…,.;:?!)]}";
  return kClosing.find(c) != std::u32string_view::npos;
}

bool IsSpace(char32_t c) { return c == U' ' || c == U'\t' || c == 0x3000; }

float Advance(FontLibrary& fonts, const FontSpec& font, const std::u32string& cps, size_t i) {
  float a = fonts.GlyphFor(font, cps[i]).advance;
  if (i + 1 < cps.size()) a += fonts.Kerning(font, cps[i], cps[i + 1]);
  return a;
}

// Splits [begin, end) of a paragraph into lines no wider than `width`.
void WrapParagraph(FontLibrary& fonts, const FontSpec& font, const std::u32string& cps,
                   size_t begin, size_t end, float width,
                   std::vector<std::pair<size_t, size_t>>& lines) {
  size_t lineStart = begin, lastBreak = begin;
  float x = 0;
  for (size_t i = begin; i < end; ++i) {
    if (i > lineStart && CanBreakBetween(cps[i - 1], cps[i])) lastBreak = i;
    const float a = Advance(fonts, font, cps, i);
    if (x + a > width && i > lineStart && !IsSpace(cps[i])) {
      const size_t cut = lastBreak > lineStart ? lastBreak : i;
      size_t trimmed = cut;
      while (trimmed > lineStart && IsSpace(cps[trimmed - 1])) --trimmed;
      lines.emplace_back(lineStart, trimmed);
      lineStart = lastBreak = cut;
      x = 0;
      for (size_t j = lineStart; j <= i; ++j) x += Advance(fonts, font, cps, j);
      continue;
    }
    x += a;
  }
  lines.emplace_back(lineStart, end);
}

float AlignOffset(TextAlign align, float room) {
  switch (align) {
    case TextAlign::Leading:
      return 0;
    case TextAlign::Center:
      return std::floor(room / 2);
    case TextAlign::Trailing:
      return room;
  }
  return 0;
}

}  // namespace

std::u32string CodePoints(std::wstring_view text) {
  std::u32string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    const auto c = static_cast<char32_t>(text[i]);
    if constexpr (sizeof(wchar_t) == 2) {
      if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size()) {
        const auto low = static_cast<char32_t>(text[i + 1]);
        if (low >= 0xDC00 && low <= 0xDFFF) {
          out.push_back(0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00));
          ++i;
          continue;
        }
      }
      if (c >= 0xD800 && c <= 0xDFFF) {
        out.push_back(0xFFFD);
        continue;
      }
    }
    out.push_back(c);
  }
  return out;
}

bool CanBreakBetween(char32_t previous, char32_t next) {
  if (IsSpace(next)) return false;
  if (IsSpace(previous)) return true;
  if (IsClosingPunctuation(next)) return false;
  return IsCjk(previous) || IsCjk(next);
}

TextLayout LayoutText(FontLibrary& fonts, std::wstring_view text, const TextStyle& style,
                      SizeF box) {
  const std::u32string cps = CodePoints(text);
  std::vector<std::pair<size_t, size_t>> lines;
  size_t start = 0;
  for (size_t i = 0; i <= cps.size(); ++i) {
    if (i == cps.size() || cps[i] == U'\n') {
      size_t end = i;
      if (end > start && cps[end - 1] == U'\r') --end;
      if (style.wordWrap) {
        WrapParagraph(fonts, style.font, cps, start, end, box.width, lines);
      } else {
        lines.emplace_back(start, end);
      }
      start = i + 1;
    }
  }
  const LineMetrics metrics = fonts.Metrics(style.font);
  TextLayout layout;
  layout.height = metrics.lineHeight * static_cast<float>(lines.size());
  const float top = AlignOffset(style.vertical, box.height - layout.height);
  for (size_t line = 0; line < lines.size(); ++line) {
    const auto [begin, end] = lines[line];
    layout.lineStarts.push_back(begin);
    float width = 0;
    for (size_t i = begin; i < end; ++i) width += Advance(fonts, style.font, cps, i);
    layout.width = std::max(layout.width, width);
    float x = AlignOffset(style.horizontal, box.width - width);
    const float baseline = top + metrics.ascent + metrics.lineHeight * static_cast<float>(line);
    for (size_t i = begin; i < end; ++i) {
      layout.glyphs.push_back({&fonts.GlyphFor(style.font, cps[i]), x, baseline, i});
      x += Advance(fonts, style.font, cps, i);
    }
  }
  return layout;
}

std::vector<float> CaretOffsets(FontLibrary& fonts, std::wstring_view text, const FontSpec& font) {
  const std::u32string cps = CodePoints(text);
  std::vector<float> out{0};
  float x = 0;
  for (size_t i = 0; i < cps.size(); ++i) {
    x += Advance(fonts, font, cps, i);
    out.push_back(x);
  }
  return out;
}

Bitmap RenderText(FontLibrary& fonts, std::wstring_view text, const TextStyle& style, SizeF box) {
  Bitmap out(static_cast<int>(std::ceil(box.width)), static_cast<int>(std::ceil(box.height)));
  const uint32_t pixel = PremultipliedPixel(style.color);
  const TextLayout layout = LayoutText(fonts, text, style, box);
  for (const PlacedGlyph& placed : layout.glyphs) {
    const Glyph& g = *placed.glyph;
    const int ox = static_cast<int>(std::lround(placed.x)) + g.left;
    const int oy = static_cast<int>(std::lround(placed.baseline)) + g.top;
    for (int y = std::max(0, -oy); y < g.height && oy + y < out.Height(); ++y) {
      uint32_t* row = out.Row(oy + y);
      for (int x = std::max(0, -ox); x < g.width && ox + x < out.Width(); ++x) {
        row[ox + x] =
            BlendOver(row[ox + x], pixel, g.coverage[static_cast<size_t>(y) * g.width + x]);
      }
    }
  }
  return out;
}

}  // namespace toolkit
