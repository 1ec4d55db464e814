#include "toolkit/font.h"

#include <stb/stb_truetype.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iterator>

namespace toolkit {

FontBytes::FontBytes(std::vector<uint8_t> bytes) {
  if (bytes.empty()) return;
  auto owned = std::make_shared<const std::vector<uint8_t>>(std::move(bytes));
  data_ = owned->data();
  size_ = owned->size();
  owner_ = std::move(owned);
}

FontBytes::FontBytes(std::shared_ptr<const void> owner, const uint8_t* data, size_t size) {
  if (!owner || !data || size == 0) return;
  owner_ = std::move(owner);
  data_ = data;
  size_ = size;
}

class FontFace {
 public:
  explicit FontFace(FontData data) : data_(std::move(data)) {
    const int offset = stbtt_GetFontOffsetForIndex(data_.bytes.data(), data_.faceIndex);
    valid_ = offset >= 0 && stbtt_InitFont(&info_, data_.bytes.data(), offset) != 0;
  }
  bool Valid() const { return valid_; }
  bool HasGlyph(char32_t cp) const {
    return stbtt_FindGlyphIndex(&info_, static_cast<int>(cp)) != 0;
  }
  float Scale(float size) const { return stbtt_ScaleForMappingEmToPixels(&info_, size); }

  Glyph Render(char32_t cp, float size, bool emboldened) const {
    Glyph g;
    const float scale = Scale(size);
    const int index = stbtt_FindGlyphIndex(&info_, static_cast<int>(cp));
    int advance = 0, bearing = 0;
    stbtt_GetGlyphHMetrics(&info_, index, &advance, &bearing);
    g.advance = std::round(static_cast<float>(advance) * scale);
    int x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    stbtt_GetGlyphBitmapBox(&info_, index, scale, scale, &x0, &y0, &x1, &y1);
    g.left = x0;
    g.top = y0;
    g.width = std::max(0, x1 - x0);
    g.height = std::max(0, y1 - y0);
    if (g.width > 0 && g.height > 0) {
      g.coverage.assign(static_cast<size_t>(g.width) * g.height, 0);
      stbtt_MakeGlyphBitmap(&info_, g.coverage.data(), g.width, g.height, g.width, scale, scale,
                            index);
    }
    if (emboldened) Embolden(g);
    return g;
  }

  float Kerning(char32_t a, char32_t b, float size) const {
    return static_cast<float>(
               stbtt_GetCodepointKernAdvance(&info_, static_cast<int>(a), static_cast<int>(b))) *
           Scale(size);
  }

  LineMetrics Metrics(float size) const {
    int ascent = 0, descent = 0, gap = 0;
    stbtt_GetFontVMetrics(&info_, &ascent, &descent, &gap);
    const float scale = Scale(size);
    LineMetrics m;
    m.ascent = std::round(static_cast<float>(ascent) * scale);
    m.descent = std::round(static_cast<float>(-descent) * scale);
    m.lineHeight = m.ascent + m.descent + std::round(static_cast<float>(gap) * scale);
    return m;
  }

 private:
  // A face without a bold member is thickened by one pixel to the right.
  static void Embolden(Glyph& g) {
    if (g.width == 0) return;
    std::vector<uint8_t> wider(static_cast<size_t>(g.width + 1) * g.height, 0);
    for (int y = 0; y < g.height; ++y) {
      for (int x = 0; x <= g.width; ++x) {
        const int a = x < g.width ? g.coverage[static_cast<size_t>(y) * g.width + x] : 0;
        const int b = x > 0 ? g.coverage[static_cast<size_t>(y) * g.width + x - 1] : 0;
        wider[static_cast<size_t>(y) * (g.width + 1) + x] = static_cast<uint8_t>(std::max(a, b));
      }
    }
    g.coverage = std::move(wider);
    g.width += 1;
    g.advance += 1;
  }

  FontData data_;
  stbtt_fontinfo info_{};
  bool valid_ = false;
};

std::optional<FontData> FileFontSource::Load(const std::wstring& family, bool bold) {
  const auto it = families_.find(family);
  if (it == families_.end()) return std::nullopt;
  const std::string& path = bold ? it->second.bold : it->second.regular;
  if (path.empty()) return std::nullopt;
  std::ifstream file(path, std::ios::binary);
  if (!file) return std::nullopt;
  FontData data;
  data.bytes = FontBytes(
      std::vector<uint8_t>(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()));
  data.faceIndex = it->second.faceIndex;
  if (data.bytes.empty()) return std::nullopt;
  return data;
}

std::unique_ptr<FileFontSource> FileFontSource::Default() {
  auto source = std::make_unique<FileFontSource>();
  source->Add(L"Tahoma",
              {"/usr/share/wine/fonts/tahoma.ttf", "/usr/share/wine/fonts/tahomabd.ttf", 0});
  source->Add(L"WenQuanYi Micro Hei", {"/usr/share/fonts/truetype/wqy/wqy-microhei.ttc", "", 0});
  source->SetFallbacks({L"WenQuanYi Micro Hei"});
  return source;
}

FontLibrary::FontLibrary(std::unique_ptr<FontSource> source) : source_(std::move(source)) {}
FontLibrary::~FontLibrary() = default;

FontFace* FontLibrary::Face(const std::wstring& family, bool bold) {
  const auto key = std::make_pair(family, bold);
  auto it = faces_.find(key);
  if (it == faces_.end()) {
    std::unique_ptr<FontFace> face;
    if (auto data = source_->Load(family, bold)) {
      face = std::make_unique<FontFace>(std::move(*data));
      if (!face->Valid()) face.reset();
    }
    it = faces_.emplace(key, std::move(face)).first;
  }
  return it->second.get();
}

bool FontLibrary::HasFamily(const std::wstring& family, bool bold) {
  return Face(family, bold) != nullptr || Face(family, false) != nullptr;
}

FontFace* FontLibrary::FaceWithGlyph(const FontSpec& font, char32_t cp, bool& synthesizeBold) {
  std::vector<std::wstring> families{font.family};
  const auto fallbacks = source_->FallbackFamilies();
  families.insert(families.end(), fallbacks.begin(), fallbacks.end());
  FontFace* first = nullptr;
  for (const auto& family : families) {
    FontFace* face = font.bold ? Face(family, true) : nullptr;
    synthesizeBold = false;
    if (face == nullptr) {
      face = Face(family, false);
      synthesizeBold = font.bold;
    }
    if (face == nullptr) continue;
    if (first == nullptr) first = face;
    if (face->HasGlyph(cp)) return face;
  }
  synthesizeBold = false;
  return first;
}

const Glyph& FontLibrary::GlyphFor(const FontSpec& font, char32_t cp) {
  const auto key = std::make_tuple(font.family, font.bold, font.size, cp);
  auto it = glyphs_.find(key);
  if (it != glyphs_.end()) return it->second;
  bool synthesizeBold = false;
  FontFace* face = FaceWithGlyph(font, cp, synthesizeBold);
  Glyph g = face != nullptr ? face->Render(cp, font.size, synthesizeBold) : Glyph{};
  return glyphs_.emplace(key, std::move(g)).first->second;
}

float FontLibrary::Kerning(const FontSpec& font, char32_t a, char32_t b) {
  FontFace* face = Face(font.family, font.bold);
  if (face == nullptr) face = Face(font.family, false);
  return face != nullptr && face->HasGlyph(a) && face->HasGlyph(b) ? face->Kerning(a, b, font.size)
                                                                   : 0;
}

LineMetrics FontLibrary::Metrics(const FontSpec& font) {
  FontFace* face = Face(font.family, font.bold);
  if (face == nullptr) face = Face(font.family, false);
  if (face == nullptr) {
    for (const auto& family : source_->FallbackFamilies()) {
      if ((face = Face(family, false)) != nullptr) break;
    }
  }
  if (face == nullptr) return {font.size, 0, font.size};
  return face->Metrics(font.size);
}

}  // namespace toolkit
