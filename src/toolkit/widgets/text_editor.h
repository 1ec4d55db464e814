#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

#include "toolkit/input.h"

namespace toolkit {

class SceneHost;

// The editing state of a text field: text, caret, selection anchor and the edits keys make.
// Shared by the one-line text box and the memo; draws nothing.
class TextEditor {
 public:
  explicit TextEditor(bool multiLine = false) : multiLine_(multiLine) {}

  const std::wstring& Text() const { return text_; }
  // Replaces the text; the caret goes to its end, nothing selected.
  void SetText(std::wstring text);
  size_t Caret() const { return caret_; }
  size_t Anchor() const { return anchor_; }
  bool HasSelection() const { return caret_ != anchor_; }
  std::pair<size_t, size_t> Selection() const;
  std::wstring SelectedText() const;

  void MoveTo(size_t position, bool extend);
  void SelectAll();
  // Puts `text` in place of the selection (line breaks dropped on one line).
  void Insert(std::wstring_view text);
  void Backspace();
  void Delete();
  size_t LineStart(size_t position) const;
  size_t LineEnd(size_t position) const;

  // Caret keys, deletion and clipboard shortcuts. True when the key was used.
  bool HandleKey(uint16_t key, Modifiers modifiers, SceneHost& clipboard);

 private:
  std::wstring text_;
  size_t caret_ = 0;
  size_t anchor_ = 0;
  bool multiLine_;
};

}  // namespace toolkit
