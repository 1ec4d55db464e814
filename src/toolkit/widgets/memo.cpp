#include "toolkit/widgets/memo.h"

#include <algorithm>
#include <cmath>

#include "toolkit/font.h"
#include "toolkit/scene.h"
#include "toolkit/text_layout.h"
#include "toolkit/widgets/text_line_painter.h"

namespace toolkit {

Memo::Memo(std::string name, MemoStyle style) : Node(std::move(name)), style_(std::move(style)) {
  SetHitTest(true);
  SetCanFocus(true);
  SetCursor(Cursor::IBeam);
  if (style_.glow) SetGlow(style_.glow);
}

void Memo::SetText(std::wstring text) {
  editor_.SetText(std::move(text));
  editor_.MoveTo(0, false);
  scroll_ = {};
  ContentChanged();
}

void Memo::SetFont(FontSpec font) {
  font_ = std::move(font);
  ContentChanged();
}

std::vector<Memo::Line> Memo::Lines() const {
  std::vector<Line> lines;
  const std::wstring& t = editor_.Text();
  size_t start = 0;
  for (;;) {
    const size_t nl = t.find(L'\n', start);
    lines.push_back({start, std::wstring_view(t).substr(
                                start, (nl == std::wstring::npos ? t.size() : nl) - start)});
    if (nl == std::wstring::npos) break;
    start = nl + 1;
  }
  return lines;
}

size_t Memo::LineOf(size_t index) const {
  const auto lines = Lines();
  size_t line = 0;
  while (line + 1 < lines.size() && lines[line + 1].start <= index) ++line;
  return line;
}

float Memo::LineHeight() {
  FontLibrary* fonts = Fonts();
  return fonts != nullptr ? std::max(1.0f, fonts->Metrics(font_).lineHeight) : 13.0f;
}

RectF Memo::TextArea() const {
  const float i = style_.inset, s = style_.scrollBarSize;
  return {i, i, Width() - i - s, Height() - i - s};
}
RectF Memo::VerticalBar() const {
  const float i = style_.inset, s = style_.scrollBarSize;
  return {Width() - i - s, i, Width() - i, Height() - i - s};
}
RectF Memo::HorizontalBar() const {
  const float i = style_.inset, s = style_.scrollBarSize;
  return {i, Height() - i - s, Width() - i - s, Height() - i};
}

PointF Memo::MaxScroll() {
  FontLibrary* fonts = Fonts();
  float widest = 0;
  const auto lines = Lines();
  if (fonts != nullptr) {
    for (const Line& l : lines)
      widest = std::max(widest, CaretOffsets(*fonts, l.text, font_).back());
  }
  const RectF area = TextArea();
  return {std::max(0.0f, widest + 2 - area.Width()),
          std::max(0.0f, LineHeight() * static_cast<float>(lines.size()) - area.Height())};
}

void Memo::ScrollTo(PointF offset) {
  const PointF max = MaxScroll();
  const PointF clamped{std::clamp(offset.x, 0.0f, max.x), std::clamp(offset.y, 0.0f, max.y)};
  if (clamped.x == scroll_.x && clamped.y == scroll_.y) return;
  scroll_ = clamped;
  ContentChanged();
}

void Memo::Paint(Canvas& canvas) {
  canvas.FillRoundedRect(LocalRect(), style_.radius, Brush::Solid(style_.background));
  canvas.StrokeRoundedRect(LocalRect(), style_.radius, 1, style_.outline);
  FontLibrary* fonts = Fonts();
  if (fonts != nullptr) {
    const RectF area = TextArea();
    const float lh = LineHeight();
    const bool focused = State(NodeState::Focused);
    canvas.Save();
    canvas.ClipLocal(area);
    const auto lines = Lines();
    for (size_t i = 0; i < lines.size(); ++i) {
      const float top = area.top + lh * static_cast<float>(i) - scroll_.y;
      if (top + lh < area.top || top > area.bottom) continue;
      PaintEditableLine(
          canvas, *fonts,
          {lines[i].text, lines[i].start,
           focused ? editor_.Selection() : std::pair<size_t, size_t>{},
           focused && LineOf(editor_.Caret()) == i ? std::optional<size_t>(editor_.Caret())
                                                   : std::nullopt},
          font_, style_.textColor, style_.selectionColor, {area.left - scroll_.x, top});
    }
    canvas.Restore();
  }
  PaintScrollBars(canvas);
}

void Memo::PaintScrollBars(Canvas& canvas) {
  const PointF max = MaxScroll();
  const float s = style_.scrollBarSize;
  const auto arrow = [&](PointF c, float dx, float dy) {
    // A small triangle pointing (dx, dy).
    const float a = 3.5f;
    Path p;
    p.AddPolygon({{c.x + dx * a, c.y + dy * a},
                  {c.x - dx * a + dy * a, c.y - dy * a + dx * a},
                  {c.x - dx * a - dy * a, c.y - dy * a - dx * a}});
    canvas.FillPath(p, Brush::Solid(style_.scrollArrow));
  };
  const RectF v = VerticalBar(), h = HorizontalBar();
  canvas.FillRect(v, Brush::Solid(style_.scrollGround));
  canvas.FillRect(h, Brush::Solid(style_.scrollGround));
  arrow({v.left + s / 2, v.top + s / 2}, 0, -1);
  arrow({v.left + s / 2, v.bottom - s / 2}, 0, 1);
  arrow({h.left + s / 2, h.top + s / 2}, -1, 0);
  arrow({h.right - s / 2, h.top + s / 2}, 1, 0);
  const RectF area = TextArea();
  const float trackV = v.Height() - 2 * s, trackH = h.Width() - 2 * s;
  if (max.y > 0 && trackV > 8) {
    const float len = std::max(8.0f, trackV * area.Height() / (area.Height() + max.y));
    const float pos = (trackV - len) * scroll_.y / max.y;
    canvas.FillRoundedRect(RectF{v.left + 3, v.top + s + pos, v.right - 3, v.top + s + pos + len},
                           2, Brush::Solid(style_.scrollThumb));
  }
  if (max.x > 0 && trackH > 8) {
    const float len = std::max(8.0f, trackH * area.Width() / (area.Width() + max.x));
    const float pos = (trackH - len) * scroll_.x / max.x;
    canvas.FillRoundedRect(RectF{h.left + s + pos, h.top + 3, h.left + s + pos + len, h.bottom - 3},
                           2, Brush::Solid(style_.scrollThumb));
  }
  // Size grip: three diagonal rows of dots in the corner.
  const float g = style_.gripSize;
  const RectF corner{v.left, h.top, v.right, h.bottom};
  canvas.FillRect(corner, Brush::Solid(style_.scrollGround));
  const PointF o{corner.right - g, corner.bottom - g};
  for (int row = 0; row < 3; ++row) {
    for (int col = 2 - row; col < 3; ++col) {
      canvas.FillRect(RectF::FromSize(o.x + static_cast<float>(col) * 4 + 1,
                                      o.y + static_cast<float>(row) * 4 + 1, 2, 2),
                      Brush::Solid(style_.scrollArrow));
    }
  }
}

size_t Memo::IndexAt(PointF local) {
  const auto lines = Lines();
  const RectF area = TextArea();
  const float row = (local.y - area.top + scroll_.y) / LineHeight();
  const size_t i = static_cast<size_t>(std::clamp(row, 0.0f, static_cast<float>(lines.size() - 1)));
  FontLibrary* fonts = Fonts();
  const size_t column = fonts != nullptr ? IndexAtOffset(*fonts, lines[i].text, font_,
                                                         local.x - area.left + scroll_.x)
                                         : 0;
  return lines[i].start + column;
}

void Memo::EnsureCaretVisible() {
  FontLibrary* fonts = Fonts();
  if (fonts == nullptr) return;
  const auto lines = Lines();
  const size_t line = LineOf(editor_.Caret());
  const float lh = LineHeight();
  const float x =
      CaretOffsets(*fonts, lines[line].text.substr(0, editor_.Caret() - lines[line].start), font_)
          .back();
  const float y = lh * static_cast<float>(line);
  const RectF area = TextArea();
  PointF s = scroll_;
  if (y < s.y) s.y = y;
  if (y + lh > s.y + area.Height()) s.y = y + lh - area.Height();
  if (x < s.x) s.x = x;
  if (x + 1 > s.x + area.Width()) s.x = x + 1 - area.Width();
  ScrollTo(s);
}

void Memo::OnMouseDown(const MouseEvent& e) {
  const float s = style_.scrollBarSize;
  const float lh = LineHeight();
  const RectF v = VerticalBar(), h = HorizontalBar(), area = TextArea();
  dragStart_ = e.local;
  scrollAtDragStart_ = scroll_;
  if (v.Contains(e.local)) {
    if (e.local.y < v.top + s)
      ScrollTo({scroll_.x, scroll_.y - lh});
    else if (e.local.y >= v.bottom - s)
      ScrollTo({scroll_.x, scroll_.y + lh});
    else
      dragging_ = Dragging::VerticalThumb;
    return;
  }
  if (h.Contains(e.local)) {
    if (e.local.x < h.left + s)
      ScrollTo({scroll_.x - lh, scroll_.y});
    else if (e.local.x >= h.right - s)
      ScrollTo({scroll_.x + lh, scroll_.y});
    else
      dragging_ = Dragging::HorizontalThumb;
    return;
  }
  if (!area.Contains(e.local)) return;
  dragging_ = Dragging::Text;
  editor_.MoveTo(IndexAt(e.local), e.modifiers.shift);
  ContentChanged();
}

void Memo::OnMouseMove(const MouseEvent& e) {
  if (!State(NodeState::Pressed)) {
    dragging_ = Dragging::None;
    return;
  }
  const PointF max = MaxScroll();
  const RectF area = TextArea();
  switch (dragging_) {
    case Dragging::None:
      break;
    case Dragging::Text:
      editor_.MoveTo(IndexAt(e.local), true);
      EnsureCaretVisible();
      ContentChanged();
      break;
    case Dragging::VerticalThumb:
      ScrollTo({scroll_.x, scrollAtDragStart_.y + (e.local.y - dragStart_.y) *
                                                      (area.Height() + max.y) / area.Height()});
      break;
    case Dragging::HorizontalThumb:
      ScrollTo({scrollAtDragStart_.x +
                    (e.local.x - dragStart_.x) * (area.Width() + max.x) / area.Width(),
                scroll_.y});
      break;
  }
}

bool Memo::OnMouseWheel(float notches) {
  ScrollTo({scroll_.x, scroll_.y - notches * 3 * LineHeight()});
  return true;
}

void Memo::Edited(const std::wstring& before) {
  EnsureCaretVisible();
  ContentChanged();
  if (editor_.Text() != before && onChange) onChange();
}

void Memo::OnKeyDown(uint16_t& key, Modifiers modifiers) {
  const std::wstring before = editor_.Text();
  if (key == keys::kUp || key == keys::kDown || key == keys::kPageUp || key == keys::kPageDown) {
    FontLibrary* fonts = Fonts();
    const auto lines = Lines();
    const size_t line = LineOf(editor_.Caret());
    const long step = (key == keys::kPageUp || key == keys::kPageDown)
                          ? std::max(1L, static_cast<long>(TextArea().Height() / LineHeight()))
                          : 1L;
    const long target = std::clamp(
        static_cast<long>(line) + ((key == keys::kUp || key == keys::kPageUp) ? -step : step), 0L,
        static_cast<long>(lines.size()) - 1);
    const float x =
        fonts != nullptr
            ? CaretOffsets(*fonts, lines[line].text.substr(0, editor_.Caret() - lines[line].start),
                           font_)
                  .back()
            : 0;
    const Line& to = lines[static_cast<size_t>(target)];
    editor_.MoveTo(to.start + (fonts != nullptr ? IndexAtOffset(*fonts, to.text, font_, x) : 0),
                   modifiers.shift);
    key = 0;
    Edited(before);
    return;
  }
  Scene* scene = GetScene();
  if (scene != nullptr && editor_.HandleKey(key, modifiers, scene->Host())) {
    key = 0;
    Edited(before);
  }
}

void Memo::OnChar(wchar_t ch) {
  if (ch == L'\r') ch = L'\n';
  if ((ch < 0x20 && ch != L'\n') || ch == 0x7F) return;
  const std::wstring before = editor_.Text();
  editor_.Insert(std::wstring(1, ch));
  Edited(before);
}

}  // namespace toolkit
