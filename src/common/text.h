#pragma once

#include <string>
#include <string_view>

// Lower-cases the letters A to Z only; every other character is left as it is.
std::wstring LowerAsciiLetters(std::wstring_view text);

// True when `part` occurs in `text`, letters A to Z compared without regard to case.
// An empty `part` never matches.
bool ContainsText(std::wstring_view part, std::wstring_view text);

// The address a web page is opened with: unchanged when it holds "http://" anywhere
// (exactly in that case), otherwise with "http://" in front.
std::wstring WebAddress(std::wstring_view address);

// The text of the standard error box: the message, with "." appended when its last
// character's code is above that of ".".
std::wstring ErrorBoxText(std::wstring_view message);

// The application title: the executable's file name (path stripped) up to its first ".",
// every character after the first in lower case.
std::wstring ApplicationTitle(std::wstring_view executablePath);

// The caption a message box gets: "Information" when none is given.
std::wstring CaptionOrDefault(std::wstring_view caption);

// The directory part of a path, with its trailing separator ("\\" or "/").
std::wstring DirectoryOf(std::wstring_view path);
