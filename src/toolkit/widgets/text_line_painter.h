#pragma once

#include <optional>
#include <string_view>
#include <utility>

#include "toolkit/canvas.h"
#include "toolkit/font.h"

namespace toolkit {

// One line of an editable field as it is drawn: selection band, text and caret.
struct EditableLine {
  std::wstring_view text;
  size_t firstIndex = 0;                // index of the line's first character in the whole text
  std::pair<size_t, size_t> selection;  // whole-text indices, may lie outside the line
  std::optional<size_t> caret;          // whole-text index, when the caret is shown on this line
};

// Draws `line` with its top-left at `origin` (local coordinates).
void PaintEditableLine(Canvas& canvas, FontLibrary& fonts, const EditableLine& line,
                       const FontSpec& font, Color textColor, Color selectionColor, PointF origin);

// The character index (0..size) nearest to horizontal offset `x` along a line.
size_t IndexAtOffset(FontLibrary& fonts, std::wstring_view line, const FontSpec& font, float x);

}  // namespace toolkit
