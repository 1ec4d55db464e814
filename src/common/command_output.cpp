#include "common/command_output.h"

void CommandOutputLines::AddBytes(std::string_view bytes) {
  if (Full()) bytesLeft_ = 0;
  bytes = bytes.substr(0, bytesLeft_);
  bytesLeft_ -= bytes.size();
  if (bytes.empty()) return;
  std::string chunk = heldLeadByte_;
  chunk.append(bytes);
  heldLeadByte_.clear();

  // Walk the characters to see whether the chunk ends inside a two-byte character.
  size_t i = 0;
  while (i < chunk.size()) i += codePage_.IsLeadByte(static_cast<unsigned char>(chunk[i])) ? 2 : 1;
  if (i > chunk.size()) {
    heldLeadByte_ = chunk.back();
    chunk.pop_back();
  }
  if (!chunk.empty()) AddText(codePage_.Decode(chunk));
}

void CommandOutputLines::AddText(std::wstring_view text) {
  pending_.append(text);
  const size_t nul = pending_.find(L'\0');
  if (nul != std::wstring::npos) pending_.resize(nul);

  size_t start = 0;
  if (swallowNextLf_ && !pending_.empty()) {
    // The CR of a CR LF pair ended the previous read; its LF is not a line of its own.
    if (pending_.front() == L'\n') start = 1;
    swallowNextLf_ = false;
  }
  for (size_t i = start; i < pending_.size() && !Full(); ++i) {
    const wchar_t c = pending_[i];
    if (c != L'\r' && c != L'\n') continue;
    lines_.emplace_back(pending_, start, i - start);
    if (c == L'\r') {
      if (i + 1 < pending_.size()) {
        if (pending_[i + 1] == L'\n') ++i;
      } else {
        swallowNextLf_ = true;
      }
    }
    start = i + 1;
  }
  pending_.erase(0, start);
  if (Full()) pending_.clear();
}

void CommandOutputLines::Finish() {
  if (!heldLeadByte_.empty()) {
    std::string lone;
    lone.swap(heldLeadByte_);
    AddText(codePage_.Decode(lone));
  }
  if (!pending_.empty() && !Full()) {
    lines_.push_back(std::move(pending_));
    pending_.clear();
  }
}

std::wstring CommandOutputLines::Text() const {
  std::wstring text;
  for (const std::wstring& line : lines_) {
    text += line;
    text += L"\r\n";
  }
  return text;
}
