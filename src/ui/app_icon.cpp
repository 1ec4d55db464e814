#include "ui/app_icon.h"

#include "toolkit/canvas.h"
#include "ui/art_canvas.h"
#include "ui/artwork.h"

namespace ui {

using namespace toolkit;

namespace {

void PutLittleEndian(std::vector<uint8_t>& out, uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

}  // namespace

Bitmap artwork::AppIcon(int size) {
  Bitmap icon(size, size);
  Canvas canvas(icon);
  const float s = static_cast<float>(size);
  canvas.FillPath(Disc({s / 2, s / 2}, s / 2),
                  Brush::Linear({0, 0}, {0, s}, {{0, 0xFFFF8A5C}, {1, 0xFFE0402E}}));
  PaintWifiSymbol(canvas, {s / 2, s * 0.72f}, s / 120, 0xFFFFFFFF);
  return icon;
}

std::vector<uint8_t> EncodeIco(const std::vector<Bitmap>& pictures) {
  constexpr uint32_t kHeaderSize = 6;
  constexpr uint32_t kEntrySize = 16;
  std::vector<std::vector<uint8_t>> images;
  for (const Bitmap& picture : pictures) {
    if (picture.Width() != picture.Height() || picture.Width() < 1 || picture.Width() > 256)
      return {};
    images.push_back(EncodePng(picture));
    if (images.back().empty()) return {};
  }
  std::vector<uint8_t> out;
  PutLittleEndian(out, 0, 2);  // reserved
  PutLittleEndian(out, 1, 2);  // icon
  PutLittleEndian(out, static_cast<uint32_t>(images.size()), 2);
  uint32_t offset = kHeaderSize + kEntrySize * static_cast<uint32_t>(images.size());
  for (size_t i = 0; i < images.size(); ++i) {
    const int size = pictures[i].Width();
    out.push_back(static_cast<uint8_t>(size == 256 ? 0 : size));  // 0 means 256
    out.push_back(static_cast<uint8_t>(size == 256 ? 0 : size));
    out.push_back(0);             // no palette
    out.push_back(0);             // reserved
    PutLittleEndian(out, 1, 2);   // colour planes
    PutLittleEndian(out, 32, 2);  // bits per pixel
    PutLittleEndian(out, static_cast<uint32_t>(images[i].size()), 4);
    PutLittleEndian(out, offset, 4);
    offset += static_cast<uint32_t>(images[i].size());
  }
  for (const auto& image : images) out.insert(out.end(), image.begin(), image.end());
  return out;
}

std::vector<uint8_t> AppIconFile() {
  std::vector<Bitmap> pictures;
  for (int size : kIconSizes) pictures.push_back(artwork::AppIcon(size));
  return EncodeIco(pictures);
}

}  // namespace ui
