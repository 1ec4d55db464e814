#include "toolkit/widgets/text_box.h"

#include <algorithm>

#include "toolkit/font.h"
#include "toolkit/scene.h"
#include "toolkit/text_layout.h"
#include "toolkit/widgets/buttons.h"
#include "toolkit/widgets/text_line_painter.h"

namespace toolkit {
namespace {

// The clear button: a disc that lights up under the pointer, with a cross on it.
class ClearDisc : public EllipseNode {
 public:
  ClearDisc(std::string name, const TextBoxStyle& style)
      : EllipseNode(std::move(name)), style_(style) {
    fill = Brush::Solid(style.discHover.from);
    SetHitTest(true);
    SetCursor(Cursor::Arrow);
    AddTransitions(*this, "Fill.Color", {style.discHover});
    auto* fade = AddFloatAnimation("Opacity");
    fade->startValue = 1;
    fade->stopValue = style.hoverOpacity;
    fade->duration = style.discHover.seconds;
    fade->trigger = style.discHover.trigger;
    fade->triggerInverse = style.discHover.triggerInverse;
  }
  void Paint(Canvas& canvas) override {
    const float d = style_.discSize, c = style_.crossSize;
    const PointF mid{Width() / 2, Height() / 2};
    Path disc;
    disc.AddEllipse(RectF::FromSize(mid.x - d / 2, mid.y - d / 2, d, d));
    canvas.FillPath(disc, fill);
    const float h = c / 2, t = 1.0f;  // half size, half stroke
    Path cross;
    cross.AddPolygon({{mid.x - h, mid.y - h + t},
                      {mid.x - h + t, mid.y - h},
                      {mid.x + h, mid.y + h - t},
                      {mid.x + h - t, mid.y + h}});
    cross.AddPolygon({{mid.x + h - t, mid.y - h},
                      {mid.x + h, mid.y - h + t},
                      {mid.x - h + t, mid.y + h},
                      {mid.x - h, mid.y + h - t}});
    canvas.FillPath(cross, Brush::Solid(style_.crossColor));
  }

 private:
  TextBoxStyle style_;
};

}  // namespace

TextBox::TextBox(std::string name, TextBoxStyle style)
    : RectangleNode(std::move(name)), style_(std::move(style)) {
  fill = style_.fill;
  strokeColor = style_.outline;
  cornerRadius = style_.radius;
  SetHitTest(true);
  SetCanFocus(true);
  SetCursor(Cursor::IBeam);
  if (style_.glow) SetGlow(style_.glow);
  clear_ = Add<ClearDisc>(Name() + ".clear", style_);
  clear_->SetVisible(style_.clearButton);
  clear_->onClick = [this] {
    if (Scene* scene = GetScene()) scene->SetFocus(this);
    const std::wstring before = editor_.Text();
    editor_.SetText({});
    Edited(before);
  };
}

void TextBox::OnResized() {
  const float s = style_.clearButtonSize, i = style_.clearButtonInset;
  clear_->SetBounds(Width() - s - i, (Height() - s) / 2, s, s);
}

void TextBox::SetText(std::wstring text) {
  editor_.SetText(std::move(text));
  ContentChanged();
}

void TextBox::SetFont(FontSpec font) {
  font_ = std::move(font);
  ContentChanged();
}

RectF TextBox::TextArea() const { return LocalRect().Inset(style_.textInset); }

void TextBox::Paint(Canvas& canvas) {
  RectangleNode::Paint(canvas);
  FontLibrary* fonts = Fonts();
  if (fonts == nullptr) return;
  const RectF area = TextArea();
  const LineMetrics m = fonts->Metrics(font_);
  const std::vector<float> offsets = CaretOffsets(*fonts, editor_.Text(), font_);
  const float caretX = offsets[std::min(
      CodePoints(std::wstring_view(editor_.Text()).substr(0, editor_.Caret())).size(),
      offsets.size() - 1)];
  // Keep the caret inside the text area.
  if (caretX - scroll_ > area.Width() - 1) scroll_ = caretX - area.Width() + 1;
  if (caretX < scroll_) scroll_ = caretX;
  canvas.Save();
  canvas.ClipLocal(area);
  const bool focused = State(NodeState::Focused);
  PaintEditableLine(canvas, *fonts,
                    {editor_.Text(), 0, focused ? editor_.Selection() : std::pair<size_t, size_t>{},
                     focused ? std::optional<size_t>(editor_.Caret()) : std::nullopt},
                    font_, style_.textColor, style_.selectionColor,
                    {area.left - scroll_, area.top + (area.Height() - m.lineHeight) / 2});
  canvas.Restore();
}

size_t TextBox::IndexAt(float localX) {
  FontLibrary* fonts = Fonts();
  return fonts != nullptr
             ? IndexAtOffset(*fonts, editor_.Text(), font_, localX - TextArea().left + scroll_)
             : 0;
}

void TextBox::OnMouseDown(const MouseEvent& e) {
  editor_.MoveTo(IndexAt(e.local.x), e.modifiers.shift);
  ContentChanged();
}

void TextBox::OnMouseMove(const MouseEvent& e) {
  if (!State(NodeState::Pressed)) return;
  editor_.MoveTo(IndexAt(e.local.x), true);
  ContentChanged();
}

void TextBox::Edited(const std::wstring& before) {
  ContentChanged();
  if (editor_.Text() != before && onChange) onChange();
}

void TextBox::OnKeyDown(uint16_t& key, Modifiers modifiers) {
  wchar_t ch = 0;
  if (onKeyDown) onKeyDown(key, ch, modifiers);
  if (key == 0) return;
  Scene* scene = GetScene();
  const std::wstring before = editor_.Text();
  if (scene != nullptr && editor_.HandleKey(key, modifiers, scene->Host())) {
    key = 0;
    Edited(before);
  }
}

void TextBox::OnChar(wchar_t ch) {
  if (ch < 0x20 || ch == 0x7F) return;  // control characters come as keys
  uint16_t key = 0;
  if (onKeyDown) onKeyDown(key, ch, {});
  if (ch == 0) return;
  const std::wstring before = editor_.Text();
  editor_.Insert(std::wstring(1, ch));
  Edited(before);
}

}  // namespace toolkit
