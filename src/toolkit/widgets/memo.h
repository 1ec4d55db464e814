#pragma once

#include <functional>
#include <string>
#include <vector>

#include "toolkit/node.h"
#include "toolkit/widgets/styles.h"
#include "toolkit/widgets/text_editor.h"

namespace toolkit {

// A multi-line text field without word wrap: vertical and horizontal scroll bars (arrow
// buttons, thumb, ground), a size grip in the corner, caret and selection, wheel scrolling.
class Memo : public Node {
 public:
  explicit Memo(std::string name, MemoStyle style = {});
  void SetText(std::wstring text);
  const std::wstring& Text() const { return editor_.Text(); }
  void SetFont(FontSpec font);
  TextEditor& Editor() { return editor_; }
  std::function<void()> onChange;
  // The keyboard focus came (true) or went (false).
  std::function<void(bool focused)> onFocusChange;

  PointF Scroll() const { return scroll_; }
  // The largest scroll offsets the text allows.
  PointF MaxScroll();
  void ScrollTo(PointF offset);
  // The text area (inside the frame, beside the scroll bars).
  RectF TextArea() const;
  RectF VerticalBar() const;
  RectF HorizontalBar() const;

  void Paint(Canvas& canvas) override;
  void OnMouseDown(const MouseEvent& e) override;
  void OnMouseMove(const MouseEvent& e) override;
  bool OnMouseWheel(float notches) override;
  void OnKeyDown(uint16_t& key, Modifiers modifiers) override;
  void OnChar(wchar_t ch) override;
  void OnFocusChanged(bool focused) override {
    ContentChanged();
    if (onFocusChange) onFocusChange(focused);
  }

 private:
  struct Line {
    size_t start;
    std::wstring_view text;
  };
  std::vector<Line> Lines() const;
  size_t LineOf(size_t index) const;
  float LineHeight();
  size_t IndexAt(PointF local);
  void EnsureCaretVisible();
  void Edited(const std::wstring& before);
  void PaintScrollBars(Canvas& canvas);

  MemoStyle style_;
  FontSpec font_;
  TextEditor editor_{true};
  PointF scroll_;
  enum class Dragging { None, Text, VerticalThumb, HorizontalThumb } dragging_ = Dragging::None;
  PointF dragStart_;
  PointF scrollAtDragStart_;
};

}  // namespace toolkit
