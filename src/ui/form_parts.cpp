#include "ui/form_parts.h"

#include "ui/artwork.h"
#include "ui/resources.h"

namespace ui {

using namespace toolkit;

TextNode* AddText(Node& parent, std::string name, RectF bounds, const std::wstring& text,
                  TextStyle style) {
  auto* node = parent.Add<TextNode>(std::move(name));
  node->SetBounds(bounds.left, bounds.top, bounds.Width(), bounds.Height());
  node->SetStyle(std::move(style));
  node->SetText(text);
  return node;
}

ImageNode* AddImage(Node& parent, std::string name, RectF bounds,
                    std::shared_ptr<const Bitmap> picture) {
  auto* node = parent.Add<ImageNode>(std::move(name));
  node->SetBounds(bounds.left, bounds.top, bounds.Width(), bounds.Height());
  node->SetMode(ImageMode::Fit);
  node->SetBitmap(std::move(picture));
  return node;
}

TextNode* AddCaptionText(Node& screen, std::string name) {
  return AddText(screen, std::move(name), RectF::FromSize(4, 1, 228, 21), L"Pelanto",
                 {Tahoma(11, true), 0xFFFFFFFF, TextAlign::Leading, TextAlign::Center, false});
}

BitmapButton* AddCloseButton(Node& screen, std::string name, bool canFocus) {
  auto* button = screen.Add<BitmapButton>(std::move(name), resources::btnStyleNone());
  button->SetBounds(303, 8, 16, 16);
  button->SetGlyph(artwork::CloseGlyph(), GlyphPosition::Center, SizeF{16, 16});
  button->SetCursor(Cursor::Hand);
  button->SetCanFocus(canFocus);
  return button;
}

FontSpec Tahoma(float size, bool bold) { return {L"Tahoma", size, bold}; }

}  // namespace ui
