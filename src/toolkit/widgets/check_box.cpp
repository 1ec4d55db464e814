#include "toolkit/widgets/check_box.h"

#include <cmath>

#include "toolkit/font.h"
#include "toolkit/text_layout.h"
#include "toolkit/widgets/buttons.h"

namespace toolkit {

CheckBox::CheckBox(std::string name, CheckBoxStyle style)
    : Node(std::move(name)), style_(std::move(style)) {
  SetHitTest(true);
  SetCanFocus(true);
  box_ = Add<RectangleNode>(Name() + ".box");
  box_->fill = Brush::None();
  box_->strokeColor = style_.boxOutline;
  box_->cornerRadius = style_.boxRadius;
  if (style_.boxGlow) box_->SetGlow(style_.boxGlow);
  mark_ = box_->Add<PathNode>(Name() + ".mark");
  mark_->fill = Brush::Solid(style_.mark.from);
  auto* on = mark_->AddColorAnimation("Fill.Color");
  on->startValue = style_.mark.from;
  on->stopValue = style_.mark.to;
  on->duration = style_.mark.seconds;
  on->trigger = {{NodeState::Checked, true}};
  auto* off = mark_->AddColorAnimation("Fill.Color");
  off->startValue = style_.mark.to;
  off->stopValue = style_.mark.from;
  off->duration = style_.uncheckSeconds;
  off->trigger = {{NodeState::Checked, false}};
  caption_ = Add<TextNode>(Name() + ".caption");
  caption_->SetStyle({{}, style_.captionColor, TextAlign::Leading, TextAlign::Center, false});
}

void CheckBox::OnResized() {
  const float b = style_.boxSize, m = style_.markSize;
  box_->SetBounds(std::round((style_.column - b) / 2), std::round((Height() - b) / 2), b, b);
  mark_->SetBounds((b - m) / 2, (b - m) / 2, m, m);
  Path tick;
  tick.AddPolygon({{0, m * 0.5f},
                   {m * 0.18f, m * 0.32f},
                   {m * 0.4f, m * 0.55f},
                   {m * 0.82f, m * 0.08f},
                   {m, m * 0.26f},
                   {m * 0.4f, m * 0.92f}});
  mark_->SetPath(tick);
  const Margins& i = style_.captionInset;
  caption_->SetBounds(style_.column + i.left, i.top, Width() - style_.column - i.left - i.right,
                      Height() - i.top - i.bottom);
}

void CheckBox::SetChecked(bool checked) {
  if (checked == IsChecked()) return;
  SetState(NodeState::Checked, checked);
  if (onChange) onChange();
}

void CheckBox::OnStateChanged(NodeState state) {
  if (state == NodeState::Checked) mark_->SetState(NodeState::Checked, IsChecked());
  // The box, not the caption, shows the focus.
  if (state == NodeState::Focused) box_->SetState(NodeState::Focused, State(NodeState::Focused));
}

void CheckBox::SetCaption(std::wstring caption) { caption_->SetText(std::move(caption)); }

void CheckBox::SetFont(FontSpec font) { caption_->SetFont(std::move(font)); }

void CheckBox::OnClick() {
  SetChecked(!IsChecked());
  Node::OnClick();
}

void CheckBox::OnKeyDown(uint16_t& key, Modifiers) {
  if (key != keys::kSpace) return;
  key = 0;
  OnClick();
}

GroupBox::GroupBox(std::string name, GroupBoxStyle style)
    : Node(std::move(name)), style_(std::move(style)) {
  SetHitTest(true);
}

void GroupBox::SetCaption(std::wstring caption) {
  caption_ = std::move(caption);
  ContentChanged();
}

void GroupBox::SetFont(FontSpec font) {
  font_ = std::move(font);
  ContentChanged();
}

void GroupBox::Paint(Canvas& canvas) {
  const RectF frame = LocalRect().Inset(style_.frameInset);
  FontLibrary* fonts = Fonts();
  float gapFrom = 0, gapTo = 0;
  Bitmap text;
  LineMetrics m;
  if (fonts != nullptr && !caption_.empty()) {
    m = fonts->Metrics(font_);
    const float width = CaretOffsets(*fonts, caption_, font_).back();
    gapFrom = frame.left + style_.captionLeft;
    gapTo = gapFrom + width;
    text = RenderText(*fonts, caption_,
                      {font_, style_.captionColor, TextAlign::Leading, TextAlign::Leading, false},
                      {width + 2, m.lineHeight});
  }
  canvas.Save();
  if (gapTo > gapFrom) {
    // Leave the top line out behind the caption by drawing the frame in two clipped halves.
    canvas.Save();
    canvas.ClipLocal(RectF{frame.left - 1, frame.top - 1, gapFrom, frame.bottom + 1});
    canvas.StrokeRoundedRect(frame, style_.radius, 1, style_.frame);
    canvas.Restore();
    canvas.ClipLocal(RectF{gapTo, frame.top - 1, frame.right + 1, frame.bottom + 1});
    canvas.StrokeRoundedRect(frame, style_.radius, 1, style_.frame);
    canvas.Restore();
    canvas.Save();
    canvas.ClipLocal(RectF{gapFrom, frame.top + 1, gapTo, frame.bottom + 1});
    canvas.StrokeRoundedRect(frame, style_.radius, 1, style_.frame);
    canvas.Restore();
    canvas.DrawImage(
        text, RectF::FromSize(gapFrom, std::round(frame.top - m.lineHeight / 2),
                              static_cast<float>(text.Width()), static_cast<float>(text.Height())));
  } else {
    canvas.StrokeRoundedRect(frame, style_.radius, 1, style_.frame);
    canvas.Restore();
  }
}

}  // namespace toolkit
