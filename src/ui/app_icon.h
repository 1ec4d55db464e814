#pragma once

#include <cstdint>
#include <vector>

#include "toolkit/bitmap.h"

namespace ui {

// The sizes the program's icon file carries (window, taskbar, notification area).
inline constexpr int kIconSizes[] = {256, 48, 32, 24, 16};

// An .ico file holding each picture as a 32-bit PNG entry (square, 1 to 256 px). Empty when a
// picture cannot be stored.
std::vector<uint8_t> EncodeIco(const std::vector<toolkit::Bitmap>& pictures);

// The program's icon file, drawn by the artwork at every size of kIconSizes.
std::vector<uint8_t> AppIconFile();

}  // namespace ui
