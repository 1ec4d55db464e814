#include "qrimg/qr_penalty.h"

#include <array>
#include <cstdlib>

namespace {

constexpr int kRunPenalty = 3;
constexpr int kBlockPenalty = 3;
constexpr int kFinderLikePenalty = 40;
constexpr int kBalancePenalty = 10;
constexpr std::array<bool, 7> kFinderLike = {true, false, true, true, true, false, true};

// Reads one row or one column of the grid; outside the grid counts as light.
class Grid {
 public:
  Grid(int size, std::span<const uint8_t> dark) : size_(size), dark_(dark) {}
  int Size() const { return size_; }
  bool IsDark(int x, int y) const { return dark_[static_cast<std::size_t>(y * size_ + x)] != 0; }

 private:
  int size_;
  std::span<const uint8_t> dark_;
};

class Line {
 public:
  Line(const Grid& grid, int index, bool isRow) : grid_(grid), index_(index), isRow_(isRow) {}
  bool IsDark(int position) const {
    if (position < 0 || position >= grid_.Size()) return false;
    return isRow_ ? grid_.IsDark(position, index_) : grid_.IsDark(index_, position);
  }

 private:
  const Grid& grid_;
  int index_;
  bool isRow_;
};

int RunPenalty(const Line& line, int size) {
  int penalty = 0;
  int runLength = 1;
  for (int i = 1; i <= size; ++i) {
    if (i < size && line.IsDark(i) == line.IsDark(i - 1)) {
      ++runLength;
      continue;
    }
    if (runLength >= 5) penalty += kRunPenalty + (runLength - 5);
    runLength = 1;
  }
  return penalty;
}

bool HasLightRun(const Line& line, int from, int length) {
  for (int i = from; i < from + length; ++i) {
    if (line.IsDark(i)) return false;
  }
  return true;
}

int FinderLikePenalty(const Line& line, int size) {
  int penalty = 0;
  for (int start = 0; start + 7 <= size; ++start) {
    bool matches = true;
    for (int i = 0; i < 7 && matches; ++i) matches = line.IsDark(start + i) == kFinderLike[i];
    if (matches && (HasLightRun(line, start - 4, 4) || HasLightRun(line, start + 7, 4))) {
      penalty += kFinderLikePenalty;
    }
  }
  return penalty;
}

int BlockPenalty(const Grid& grid) {
  int penalty = 0;
  for (int y = 0; y + 1 < grid.Size(); ++y) {
    for (int x = 0; x + 1 < grid.Size(); ++x) {
      const bool colour = grid.IsDark(x, y);
      if (colour == grid.IsDark(x + 1, y) && colour == grid.IsDark(x, y + 1) &&
          colour == grid.IsDark(x + 1, y + 1)) {
        penalty += kBlockPenalty;
      }
    }
  }
  return penalty;
}

int BalancePenalty(const Grid& grid) {
  int dark = 0;
  for (int y = 0; y < grid.Size(); ++y) {
    for (int x = 0; x < grid.Size(); ++x) dark += grid.IsDark(x, y) ? 1 : 0;
  }
  const int total = grid.Size() * grid.Size();
  // Ten points for each full 5% step away from 50% (the size is odd: never exactly half).
  const int steps = (std::abs(dark * 20 - total * 10) + total - 1) / total - 1;
  return steps * kBalancePenalty;
}

}  // namespace

int QrMaskPenalty(int size, std::span<const uint8_t> dark) {
  const Grid grid(size, dark);
  int penalty = BlockPenalty(grid) + BalancePenalty(grid);
  for (int index = 0; index < grid.Size(); ++index) {
    for (bool isRow : {true, false}) {
      const Line line(grid, index, isRow);
      penalty += RunPenalty(line, grid.Size()) + FinderLikePenalty(line, grid.Size());
    }
  }
  return penalty;
}
