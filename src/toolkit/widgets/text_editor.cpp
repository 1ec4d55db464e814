#include "toolkit/widgets/text_editor.h"

#include <algorithm>

#include "toolkit/host.h"

namespace toolkit {

void TextEditor::SetText(std::wstring text) {
  text_ = std::move(text);
  caret_ = anchor_ = text_.size();
}

std::pair<size_t, size_t> TextEditor::Selection() const { return std::minmax(caret_, anchor_); }

std::wstring TextEditor::SelectedText() const {
  const auto [from, to] = Selection();
  return text_.substr(from, to - from);
}

void TextEditor::MoveTo(size_t position, bool extend) {
  caret_ = std::min(position, text_.size());
  if (!extend) anchor_ = caret_;
}

void TextEditor::SelectAll() {
  anchor_ = 0;
  caret_ = text_.size();
}

void TextEditor::Insert(std::wstring_view text) {
  std::wstring clean;
  for (wchar_t c : text) {
    if (c == L'\n' || c == L'\r') {
      if (multiLine_ && c == L'\n') clean += L'\n';
      continue;
    }
    clean += c;
  }
  const auto [from, to] = Selection();
  text_.replace(from, to - from, clean);
  caret_ = anchor_ = from + clean.size();
}

void TextEditor::Backspace() {
  if (!HasSelection() && caret_ > 0) anchor_ = caret_ - 1;
  Insert({});
}

void TextEditor::Delete() {
  if (!HasSelection() && caret_ < text_.size()) anchor_ = caret_ + 1;
  Insert({});
}

size_t TextEditor::LineStart(size_t position) const {
  if (!multiLine_ || position == 0) return 0;
  const size_t nl = text_.rfind(L'\n', position - 1);
  return nl == std::wstring::npos ? 0 : nl + 1;
}

size_t TextEditor::LineEnd(size_t position) const {
  if (!multiLine_) return text_.size();
  const size_t nl = text_.find(L'\n', position);
  return nl == std::wstring::npos ? text_.size() : nl;
}

bool TextEditor::HandleKey(uint16_t key, Modifiers m, SceneHost& host) {
  switch (key) {
    case keys::kLeft:
      MoveTo(HasSelection() && !m.shift ? Selection().first : (caret_ > 0 ? caret_ - 1 : 0),
             m.shift);
      return true;
    case keys::kRight:
      MoveTo(HasSelection() && !m.shift ? Selection().second : caret_ + 1, m.shift);
      return true;
    case keys::kHome:
      MoveTo(m.control ? 0 : LineStart(caret_), m.shift);
      return true;
    case keys::kEnd:
      MoveTo(m.control ? text_.size() : LineEnd(caret_), m.shift);
      return true;
    case keys::kBack:
      Backspace();
      return true;
    case keys::kDelete:
      Delete();
      return true;
    default:
      break;
  }
  if (!m.control) return false;
  switch (key) {
    case keys::kA:
      SelectAll();
      return true;
    case keys::kC:
      if (HasSelection()) host.SetClipboardText(SelectedText());
      return true;
    case keys::kX:
      if (HasSelection()) {
        host.SetClipboardText(SelectedText());
        Insert({});
      }
      return true;
    case keys::kV:
      Insert(host.ClipboardText());
      return true;
    default:
      return false;
  }
}

}  // namespace toolkit
