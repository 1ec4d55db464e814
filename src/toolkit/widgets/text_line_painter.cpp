#include "toolkit/widgets/text_line_painter.h"

#include <algorithm>
#include <cmath>

#include "toolkit/text_layout.h"

namespace toolkit {
namespace {

// Caret offsets are per code point; the editor counts UTF-16 units. Map unit index to offset.
float OffsetOfIndex(const std::vector<float>& offsets, std::wstring_view text, size_t index) {
  size_t cp = 0;
  for (size_t i = 0; i < index && i < text.size(); ++i) {
    const bool high = sizeof(wchar_t) == 2 && text[i] >= 0xD800 && text[i] <= 0xDBFF;
    if (!high) ++cp;
  }
  return offsets[std::min(cp, offsets.size() - 1)];
}

}  // namespace

void PaintEditableLine(Canvas& canvas, FontLibrary& fonts, const EditableLine& line,
                       const FontSpec& font, Color textColor, Color selectionColor, PointF origin) {
  const LineMetrics metrics = fonts.Metrics(font);
  const std::vector<float> offsets = CaretOffsets(fonts, line.text, font);
  const size_t lineEnd = line.firstIndex + line.text.size();
  const size_t selFrom = std::max(line.selection.first, line.firstIndex);
  const size_t selTo = std::min(line.selection.second, lineEnd);
  if (selFrom < selTo) {
    const float x0 = OffsetOfIndex(offsets, line.text, selFrom - line.firstIndex);
    const float x1 = OffsetOfIndex(offsets, line.text, selTo - line.firstIndex);
    canvas.FillRect(RectF{origin.x + x0, origin.y, origin.x + x1, origin.y + metrics.lineHeight},
                    Brush::Solid(selectionColor));
  }
  if (!line.text.empty()) {
    const float width = offsets.back() + 2;
    const Bitmap picture = RenderText(
        fonts, line.text, {font, textColor, TextAlign::Leading, TextAlign::Leading, false},
        {width, metrics.lineHeight});
    canvas.DrawImage(picture, RectF::FromSize(std::round(origin.x), std::round(origin.y),
                                              static_cast<float>(picture.Width()),
                                              static_cast<float>(picture.Height())));
  }
  if (line.caret && *line.caret >= line.firstIndex && *line.caret <= lineEnd) {
    const float x =
        std::round(origin.x + OffsetOfIndex(offsets, line.text, *line.caret - line.firstIndex));
    canvas.FillRect(RectF{x, origin.y, x + 1, origin.y + metrics.lineHeight},
                    Brush::Solid(textColor));
  }
}

size_t IndexAtOffset(FontLibrary& fonts, std::wstring_view line, const FontSpec& font, float x) {
  const std::vector<float> offsets = CaretOffsets(fonts, line, font);
  size_t best = 0;
  for (size_t i = 1; i < offsets.size(); ++i) {
    if (std::abs(offsets[i] - x) < std::abs(offsets[best] - x)) best = i;
  }
  // Code point index back to UTF-16 units.
  size_t units = 0;
  for (size_t cp = 0; cp < best && units < line.size(); ++cp) {
    const bool high = sizeof(wchar_t) == 2 && line[units] >= 0xD800 && line[units] <= 0xDBFF;
    units += high && units + 1 < line.size() ? 2 : 1;
  }
  return units;
}

}  // namespace toolkit
