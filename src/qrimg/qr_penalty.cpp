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
class Line {
 public:
  Line(const QrMatrix& matrix, int index, bool isRow)
      : matrix_(matrix), index_(index), isRow_(isRow) {}
  bool IsDark(int position) const {
    if (position < 0 || position >= matrix_.Size()) return false;
    return isRow_ ? matrix_.IsDark(position, index_) : matrix_.IsDark(index_, position);
  }

 private:
  const QrMatrix& matrix_;
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

int BlockPenalty(const QrMatrix& matrix) {
  int penalty = 0;
  for (int y = 0; y + 1 < matrix.Size(); ++y) {
    for (int x = 0; x + 1 < matrix.Size(); ++x) {
      const bool colour = matrix.IsDark(x, y);
      if (colour == matrix.IsDark(x + 1, y) && colour == matrix.IsDark(x, y + 1) &&
          colour == matrix.IsDark(x + 1, y + 1)) {
        penalty += kBlockPenalty;
      }
    }
  }
  return penalty;
}

int BalancePenalty(const QrMatrix& matrix) {
  int dark = 0;
  for (int y = 0; y < matrix.Size(); ++y) {
    for (int x = 0; x < matrix.Size(); ++x) dark += matrix.IsDark(x, y) ? 1 : 0;
  }
  const int total = matrix.Size() * matrix.Size();
  // Ten points for each full 5% step away from 50% (the size is odd: never exactly half).
  const int steps = (std::abs(dark * 20 - total * 10) + total - 1) / total - 1;
  return steps * kBalancePenalty;
}

}  // namespace

int QrMaskPenalty(const QrMatrix& matrix) {
  int penalty = BlockPenalty(matrix) + BalancePenalty(matrix);
  for (int index = 0; index < matrix.Size(); ++index) {
    for (bool isRow : {true, false}) {
      const Line line(matrix, index, isRow);
      penalty += RunPenalty(line, matrix.Size()) + FinderLikePenalty(line, matrix.Size());
    }
  }
  return penalty;
}
