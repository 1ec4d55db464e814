#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "common/ansi_code_page.h"

// Assembles what a console command prints, read in chunks of any size, into lines.
// A line ends at CR, LF or CR LF; text is taken only up to its first NUL character.
// A two-byte character cut between two reads is kept back until its second byte arrives.
// Only the first `maxKeptBytes` bytes and `maxKeptLines` lines are kept: a command that never
// stops printing must not take the program's memory (what is looked for is in its first lines).
class CommandOutputLines {
 public:
  static constexpr size_t kDefaultMaxKeptBytes = 4 << 20;
  static constexpr size_t kDefaultMaxKeptLines = 1 << 16;

  explicit CommandOutputLines(const AnsiCodePage& codePage,
                              size_t maxKeptBytes = kDefaultMaxKeptBytes,
                              size_t maxKeptLines = kDefaultMaxKeptLines)
      : codePage_(codePage), bytesLeft_(maxKeptBytes), maxKeptLines_(maxKeptLines) {}

  // One read of raw bytes from the command's output; bytes beyond the bound are dropped.
  void AddBytes(std::string_view bytes);
  // The last read has been done: whatever is pending becomes the last line.
  void Finish();

  const std::vector<std::wstring>& Lines() const { return lines_; }
  // Every line followed by CR LF; empty when nothing was printed.
  std::wstring Text() const;

 private:
  void AddText(std::wstring_view text);

  bool Full() const { return lines_.size() >= maxKeptLines_; }

  const AnsiCodePage& codePage_;
  size_t bytesLeft_;
  size_t maxKeptLines_;
  std::string heldLeadByte_;
  std::wstring pending_;
  std::vector<std::wstring> lines_;
  bool swallowNextLf_ = false;
};
