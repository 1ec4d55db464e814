#pragma once

#include <string>
#include <string_view>

// An error description the system gives through Boost: in the ANSI code page on Windows (a
// Chinese Windows writes GBK), UTF-8 elsewhere.
std::wstring WideFromSystemMessage(std::string_view message);
