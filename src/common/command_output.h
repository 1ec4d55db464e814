#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "common/ansi_code_page.h"

// Assembles what a console command prints, read in chunks of any size, into lines.
// A line ends at CR, LF or CR LF; text is taken only up to its first NUL character.
// A two-byte character cut between two reads is kept back until its second byte arrives.
class CommandOutputLines {
 public:
  explicit CommandOutputLines(const AnsiCodePage& codePage) : codePage_(codePage) {}

  // One read of raw bytes from the command's output.
  void AddBytes(std::string_view bytes);
  // The last read has been done: whatever is pending becomes the last line.
  void Finish();

  const std::vector<std::wstring>& Lines() const { return lines_; }
  // Every line followed by CR LF; empty when nothing was printed.
  std::wstring Text() const;

 private:
  void AddText(std::wstring_view text);

  const AnsiCodePage& codePage_;
  std::string heldLeadByte_;
  std::wstring pending_;
  std::vector<std::wstring> lines_;
  bool swallowNextLf_ = false;
};
