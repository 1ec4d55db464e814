#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>

#include "common/ansi_code_page.h"

// A command still running after this long is ended and counts as failed to run.
inline constexpr DWORD kCommandTimeoutMs = 60000;

// Runs `command` hidden in `directory` (all in the ANSI code page), capturing its standard
// output and error as lines, each followed by CR LF; only the first few MiB are kept. The
// program is `application` (a full path) or, when that is empty, the command line's first word
// as Windows searches for it, beginning in this program's own folder. True when the process was
// started and waited for to its end; false otherwise, with exit code 0 and whatever lines were
// collected.
bool RunCommandCapture(const std::string& application, const std::string& command,
                       const std::string& directory, std::wstring& output, uint32_t& exitCode,
                       DWORD timeoutMs = kCommandTimeoutMs);

// Full path of the program's executable file.
std::wstring ExecutablePath();
// The directory of the program's executable file, with its trailing backslash.
std::wstring ApplicationDirectory();
// The system folder (System32), without a trailing backslash; empty if it cannot be found.
std::wstring SystemDirectory();
// The operating system's major version, read once (and truthfully) at first use.
DWORD OsMajorVersion();
bool IsVistaOrLater();

// Reads a string value of an open key: true for REG_SZ or REG_EXPAND_SZ (not expanded), with
// the text up to its first NUL; `isString` tells whether the value exists as a string type.
bool ReadStringValue(HKEY key, std::wstring_view valueName, std::wstring& text, bool& exists);

// The text of a REG_SZ or REG_EXPAND_SZ value (not expanded), or `defaultValue`.
std::wstring ReadRegistryString(HKEY root, std::wstring_view keyPath, std::wstring_view valueName,
                                std::wstring_view defaultValue);

// The application's modal message boxes.
void ShowInfoMessage(std::wstring_view text, std::wstring_view caption, UINT flags);
bool AskYesNo(std::wstring_view text, std::wstring_view caption);
// The standard error box: OK button, stop icon, the application title as caption.
void ShowErrorBox(std::wstring_view message);

void OpenWebPage(std::wstring_view address);

// Conversions through the system ANSI code page; a missing character becomes the default one.
std::string AnsiFromWide(std::wstring_view text);
std::wstring WideFromAnsi(std::string_view text);

class SystemAnsiCodePage : public AnsiCodePage {
 public:
  std::wstring Decode(std::string_view bytes) const override { return WideFromAnsi(bytes); }
  bool IsLeadByte(unsigned char byte) const override { return IsDBCSLeadByte(byte) != 0; }
};
