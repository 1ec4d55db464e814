// Cost of making the join code, as the start of sharing pays it once.
#include <benchmark/benchmark.h>

#include <span>
#include <string>

#include "qrimg/qr_encoder.h"
#include "qrimg/qr_image_file.h"

namespace {

const std::string kTypicalJoinText = "WIFI:T:WPA2;P:12345678;S:Pelanto;";
// 64 escaped characters in each field: the longest join text (version 12).
const std::string kLongestJoinText =
    "WIFI:T:WPA2;P:" + std::string(128, '\\') + ";S:" + std::string(128, ';') + ";";

std::span<const uint8_t> Bytes(const std::string& text) {
  return {reinterpret_cast<const uint8_t*>(text.data()), text.size()};
}

void BM_EncodeTypicalJoinText(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(EncodeQrCode(Bytes(kTypicalJoinText)));
}
BENCHMARK(BM_EncodeTypicalJoinText);

void BM_EncodeLongestJoinText(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(EncodeQrCode(Bytes(kLongestJoinText)));
}
BENCHMARK(BM_EncodeLongestJoinText);

void BM_ImageFileTypicalJoinText(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(QrImageFile(kTypicalJoinText));
}
BENCHMARK(BM_ImageFileTypicalJoinText);

void BM_ImageFileLongestJoinText(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(QrImageFile(kLongestJoinText));
}
BENCHMARK(BM_ImageFileLongestJoinText);

}  // namespace
