#include "toolkit/widgets/buttons.h"

namespace toolkit {

TextNode* AddCaption(Node& parent, const TextStyle& style, Margins inset) {
  auto* caption = parent.Add<TextNode>(parent.Name() + ".caption");
  caption->SetStyle(style);
  caption->SetAlign(Align::Client, inset);
  return caption;
}

void AddTransitions(Node& node, const std::string& path,
                    const std::vector<ColorTransition>& transitions) {
  for (const auto& t : transitions) {
    auto* a = node.AddColorAnimation(path);
    a->startValue = t.from;
    a->stopValue = t.to;
    a->duration = t.seconds;
    a->trigger = t.trigger;
    a->triggerInverse = t.triggerInverse;
  }
}

BitmapButton::BitmapButton(std::string name, BitmapButtonStyle style)
    : RectangleNode(std::move(name)), style_(std::move(style)) {
  fill = style_.background;
  strokeColor = style_.outline;
  cornerRadius = style_.radius;
  SetHitTest(true);
  SetCanFocus(true);
  SetCursor(Cursor::Hand);
  if (style_.glow) SetGlow(style_.glow);
  glyph_ = Add<ImageNode>(Name() + ".glyph");
  caption_ = Add<TextNode>(Name() + ".caption");
  caption_->SetStyle({{}, style_.captionColor, TextAlign::Center, TextAlign::Center, false});
}

void BitmapButton::SetGlyph(std::shared_ptr<const Bitmap> glyph, GlyphPosition position,
                            std::optional<SizeF> area) {
  glyph_->SetBitmap(std::move(glyph));
  position_ = position;
  area_ = area;
  LayoutParts();
}

void BitmapButton::SetCaption(std::wstring caption) { caption_->SetText(std::move(caption)); }

void BitmapButton::SetFont(FontSpec font) { caption_->SetFont(std::move(font)); }

void BitmapButton::LayoutParts() {
  const float e = style_.edge;
  const RectF inner{e, e, Width() - e, Height() - e};
  if (position_ == GlyphPosition::Top) {
    glyph_->SetBounds(inner.left, inner.top, inner.Width(), style_.glyphBand);
    caption_->SetBounds(inner.left, inner.top + style_.glyphBand, inner.Width(),
                        inner.Height() - style_.glyphBand);
    return;
  }
  // A centred glyph's area keeps its own size in the middle of the whole button: the edge only
  // bounds the glyph-on-top layout and the caption.
  caption_->SetBounds(inner.left, inner.top, inner.Width(), inner.Height());
  SizeF s =
      area_.value_or(glyph_->GetBitmap() ? SizeF{static_cast<float>(glyph_->GetBitmap()->Width()),
                                                 static_cast<float>(glyph_->GetBitmap()->Height())}
                                         : SizeF{});
  s.width = std::min(s.width, Width());
  s.height = std::min(s.height, Height());
  glyph_->SetBounds((Width() - s.width) / 2, (Height() - s.height) / 2, s.width, s.height);
}

ImageStateButton::ImageStateButton(std::string name) : Node(std::move(name)) {
  SetHitTest(true);
  SetCanFocus(true);
  SetCursor(Cursor::Hand);
}

void ImageStateButton::SetImages(std::shared_ptr<const Bitmap> normal,
                                 std::shared_ptr<const Bitmap> hot,
                                 std::shared_ptr<const Bitmap> down) {
  normal_ = std::move(normal);
  hot_ = std::move(hot);
  down_ = std::move(down);
  ContentChanged();
}

void ImageStateButton::Paint(Canvas& canvas) {
  const Bitmap* image = normal_.get();
  if (State(NodeState::Pressed) && down_) {
    image = down_.get();
  } else if (State(NodeState::MouseOver) && hot_) {
    image = hot_.get();
  }
  if (image == nullptr || image->IsEmpty()) return;
  canvas.DrawImage(*image, ImageNode::FitRect({static_cast<float>(image->Width()),
                                               static_cast<float>(image->Height())},
                                              LocalRect()));
}

void ImageStateButton::OnStateChanged(NodeState state) {
  if (state == NodeState::Pressed || state == NodeState::MouseOver) ContentChanged();
}

PushButton::PushButton(std::string name, PushButtonStyle style)
    : RectangleNode(std::move(name)), style_(std::move(style)) {
  fill = Brush::Solid(style_.fill);
  strokeColor = style_.outline;
  cornerRadius = style_.radius;
  SetHitTest(true);
  SetCanFocus(true);
  if (style_.glow) SetGlow(style_.glow);
  AddTransitions(*this, "Fill.Color", style_.fillTransitions);
  caption_ =
      AddCaption(*this, {{}, style_.captionColor, TextAlign::Center, TextAlign::Center, false},
                 style_.captionInset);
}

void PushButton::SetCaption(std::wstring caption) { caption_->SetText(std::move(caption)); }

void PushButton::SetFont(FontSpec font) { caption_->SetFont(std::move(font)); }

void PushButton::OnKeyDown(uint16_t& key, Modifiers) {
  if (key == keys::kSpace) {
    key = 0;
    OnClick();
  }
}

Label::Label(std::string name, LabelStyle style) : TextNode(std::move(name)) {
  SetStyle({{}, style.textColor, TextAlign::Leading, TextAlign::Center, true});
}

}  // namespace toolkit
