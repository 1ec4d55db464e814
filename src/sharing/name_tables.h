#pragma once

#include <cstdint>
#include <string>

// The texts of a connection's media type and characteristic flags, as the sharing refusals
// name them; a value without a name is written as its unsigned decimal number.
std::wstring MediaTypeName(uint32_t mediaType);
// Whole values only: a combination such as 0x21 has no name.
std::wstring CharacteristicName(uint32_t characteristic);
