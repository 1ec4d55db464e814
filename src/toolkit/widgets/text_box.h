#pragma once

#include <functional>
#include <string>

#include "toolkit/shapes.h"
#include "toolkit/widgets/styles.h"
#include "toolkit/widgets/text_editor.h"

namespace toolkit {

// A one-line text entry with caret, selection, clipboard shortcuts and a round clear button at
// its right edge. The key hook sees every key (with ch 0) and every typed character (with key
// 0) first; clearing either suppresses it.
class TextBox : public RectangleNode {
 public:
  explicit TextBox(std::string name, TextBoxStyle style = {});
  void SetText(std::wstring text);
  const std::wstring& Text() const { return editor_.Text(); }
  void SetFont(FontSpec font);
  TextEditor& Editor() { return editor_; }
  Node& ClearButton() { return *clear_; }
  // The text was changed by the user.
  std::function<void()> onChange;
  std::function<void(uint16_t& key, wchar_t& ch, Modifiers modifiers)> onKeyDown;

  void Paint(Canvas& canvas) override;
  void OnMouseDown(const MouseEvent& e) override;
  void OnMouseMove(const MouseEvent& e) override;
  void OnKeyDown(uint16_t& key, Modifiers modifiers) override;
  void OnChar(wchar_t ch) override;
  void OnFocusChanged(bool) override { ContentChanged(); }

 protected:
  void OnResized() override;

 private:
  RectF TextArea() const;
  size_t IndexAt(float localX);
  void Edited(const std::wstring& before);
  TextBoxStyle style_;
  FontSpec font_;
  TextEditor editor_;
  Node* clear_;
  float scroll_ = 0;  // horizontal offset keeping the caret in view
};

}  // namespace toolkit
