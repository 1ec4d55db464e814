#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The bytes zbarimg reads from an image file, exactly as coded (binary mode, no text
// conversion); empty when it finds no code.
std::optional<std::string> ReadWithZbarimg(const std::vector<uint8_t>& imageFile);
