#pragma once

#include <cstdint>
#include <span>

// The standard mask penalty of a finished `size` x `size` grid (row by row, 1 = dark) (lower is
// better): runs of five or more same modules, 2 x 2 blocks of one colour, finder-like 1:1:3:1:1
// patterns beside four light modules, and the deviation of the dark share from one half.
int QrMaskPenalty(int size, std::span<const uint8_t> dark);
