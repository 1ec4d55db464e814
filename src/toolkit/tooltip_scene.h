#pragma once

#include <string>

#include "toolkit/scene.h"

namespace toolkit {

// The built-in tooltip look: a pale box with a grey outline and the text in Tahoma 11 px.
struct TooltipStyle {
  Color background = 0xFFFFFFE1;
  Color outline = 0xFF767676;
  Color text = 0xFF000000;
  FontSpec font{L"Tahoma", 11, false};
  Margins padding{5, 3, 5, 3};
};

// The size a tooltip of `text` needs.
SizeF TooltipSize(FontLibrary& fonts, const std::wstring& text, const TooltipStyle& style = {});
// Fills an empty scene (of TooltipSize) with the tooltip.
void BuildTooltip(Scene& scene, const std::wstring& text, const TooltipStyle& style = {});

}  // namespace toolkit
