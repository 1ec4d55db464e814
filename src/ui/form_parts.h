#pragma once

#include <string>

#include "toolkit/shapes.h"
#include "toolkit/widgets/buttons.h"

// Small builders shared by the screens of the form.
namespace ui {

// A text node at a place, with its font, colour and alignment; not hit-testable.
toolkit::TextNode* AddText(toolkit::Node& parent, std::string name, toolkit::RectF bounds,
                           const std::wstring& text, toolkit::TextStyle style);

// A fitted image at a place.
toolkit::ImageNode* AddImage(toolkit::Node& parent, std::string name, toolkit::RectF bounds,
                             std::shared_ptr<const toolkit::Bitmap> picture);

// The title text "Pelanto" of the home and running screens.
toolkit::TextNode* AddCaptionText(toolkit::Node& screen, std::string name);

// The white-cross close button at the top-right corner of a screen.
toolkit::BitmapButton* AddCloseButton(toolkit::Node& screen, std::string name, bool canFocus);

// Tahoma at a pixel size.
toolkit::FontSpec Tahoma(float size, bool bold = false);

}  // namespace ui
