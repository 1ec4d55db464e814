#pragma once

#include <cstdint>
#include <string>

// major.minor.release.build from the two 32-bit halves of a file version, in decimal.
std::wstring VersionText(uint32_t mostSignificant, uint32_t leastSignificant);
