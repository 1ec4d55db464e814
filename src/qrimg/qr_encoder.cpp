#include "qrimg/qr_encoder.h"

#include <limits>

#include "qrimg/qr_capacity.h"
#include "qrimg/qr_codewords.h"
#include "qrimg/qr_matrix.h"
#include "qrimg/qr_penalty.h"

namespace {

constexpr int kMaskCount = 8;

int LeastPenaltyMask(QrMatrix& matrix) {
  int bestMask = 0;
  int bestPenalty = std::numeric_limits<int>::max();
  for (int mask = 0; mask < kMaskCount; ++mask) {
    matrix.ApplyMask(mask);
    matrix.DrawFormatBits(mask);
    const int penalty = QrMaskPenalty(matrix.Size(), matrix.Modules());
    if (penalty < bestPenalty) {
      bestPenalty = penalty;
      bestMask = mask;
    }
    matrix.ApplyMask(mask);
  }
  return bestMask;
}

QrCode ToCode(const QrMatrix& matrix, QrSymbolChoice symbol, int mask) {
  const std::span<const uint8_t> modules = matrix.Modules();
  return {symbol.version, symbol.level, mask, matrix.Size(), {modules.begin(), modules.end()}};
}

}  // namespace

std::optional<QrCode> EncodeQrCode(std::span<const uint8_t> payload, QrLevel minimumLevel) {
  const std::optional<QrSymbolChoice> symbol = ChooseQrSymbol(payload.size(), minimumLevel);
  if (!symbol) return std::nullopt;

  const std::vector<uint8_t> dataCodewords = QrDataCodewordsFor(payload, *symbol);
  QrMatrix matrix(*symbol);
  matrix.PlaceCodewords(QrInterleavedCodewords(dataCodewords, *symbol));
  const int mask = LeastPenaltyMask(matrix);
  matrix.ApplyMask(mask);
  matrix.DrawFormatBits(mask);
  return ToCode(matrix, *symbol, mask);
}
