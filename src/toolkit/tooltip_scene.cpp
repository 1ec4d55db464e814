#include "toolkit/tooltip_scene.h"

#include <cmath>

#include "toolkit/shapes.h"
#include "toolkit/text_layout.h"

namespace toolkit {

SizeF TooltipSize(FontLibrary& fonts, const std::wstring& text, const TooltipStyle& style) {
  const float width = CaretOffsets(fonts, text, style.font).back();
  const float height = fonts.Metrics(style.font).lineHeight;
  return {std::ceil(width) + style.padding.left + style.padding.right,
          std::ceil(height) + style.padding.top + style.padding.bottom};
}

void BuildTooltip(Scene& scene, const std::wstring& text, const TooltipStyle& style) {
  auto* box = scene.Root().Add<RectangleNode>("tooltip");
  box->SetAlign(Align::Client);
  box->SetFill(Brush::Solid(style.background));
  box->SetStroke(style.outline);
  auto* label = box->Add<TextNode>("text");
  label->SetAlign(Align::Client, style.padding);
  label->SetStyle({style.font, style.text, TextAlign::Leading, TextAlign::Center, false});
  label->SetText(text);
}

}  // namespace toolkit
