#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

namespace toolkit {

// What text is drawn in: a family name, an em size in pixels and the weight.
struct FontSpec {
  std::wstring family = L"Tahoma";
  float size = 11;
  bool bold = false;
  bool operator==(const FontSpec&) const = default;
};

// Read-only bytes that keep their storage alive: a vector handed over, or a view (a mapped file)
// whose owner releases it when the last copy is gone. Copies and moves share the storage, so the
// bytes never move while anything points into them.
class FontBytes {
 public:
  FontBytes() = default;
  explicit FontBytes(std::vector<uint8_t> bytes);
  // `size` bytes at `data`, readable for as long as `owner` lives; empty without an owner.
  FontBytes(std::shared_ptr<const void> owner, const uint8_t* data, size_t size);
  const uint8_t* data() const { return data_; }
  size_t size() const { return size_; }
  bool empty() const { return size_ == 0; }

 private:
  std::shared_ptr<const void> owner_;
  const uint8_t* data_ = nullptr;
  size_t size_ = 0;
};

// The bytes of one TrueType face (a .ttf, or a .ttc with the face's index).
struct FontData {
  FontBytes bytes;
  int faceIndex = 0;
};

// Where faces come from: files natively, the installed fonts through GDI on Windows.
class FontSource {
 public:
  virtual ~FontSource() = default;
  // The face of `family` in the weight asked for; nothing when the source has no such face
  // (a missing bold face is then drawn emboldened from the regular one).
  virtual std::optional<FontData> Load(const std::wstring& family, bool bold) = 0;
  // Families tried, in order, for characters the asked-for family lacks (CJK).
  virtual std::vector<std::wstring> FallbackFamilies() const = 0;
};

// Faces by file path. Default(): Debian's Wine Tahoma and WenQuanYi Micro Hei as the CJK fallback.
class FileFontSource : public FontSource {
 public:
  struct Files {
    std::string regular;
    std::string bold;  // may be empty
    int faceIndex = 0;
  };
  void Add(const std::wstring& family, Files files) { families_[family] = std::move(files); }
  void SetFallbacks(std::vector<std::wstring> families) { fallbacks_ = std::move(families); }
  std::optional<FontData> Load(const std::wstring& family, bool bold) override;
  std::vector<std::wstring> FallbackFamilies() const override { return fallbacks_; }
  static std::unique_ptr<FileFontSource> Default();

 private:
  std::map<std::wstring, Files> families_;
  std::vector<std::wstring> fallbacks_;
};

// One rendered glyph: an 8-bit coverage bitmap placed relative to the pen on the baseline.
struct Glyph {
  int width = 0;
  int height = 0;
  int left = 0;  // from the pen position
  int top = 0;   // from the baseline, negative above it
  float advance = 0;
  std::vector<uint8_t> coverage;
};

struct LineMetrics {
  float ascent = 0;   // above the baseline, positive
  float descent = 0;  // below the baseline, positive
  float lineHeight = 0;
};

class FontFace;

// Loads faces on demand, picks a fallback face per character and caches rendered glyphs.
class FontLibrary {
 public:
  explicit FontLibrary(std::unique_ptr<FontSource> source);
  ~FontLibrary();
  FontLibrary(const FontLibrary&) = delete;
  FontLibrary& operator=(const FontLibrary&) = delete;

  // The glyph of `codePoint`, from the first face that has it (the asked-for family first).
  const Glyph& GlyphFor(const FontSpec& font, char32_t codePoint);
  // Kerning between two characters of the asked-for family, in pixels.
  float Kerning(const FontSpec& font, char32_t left, char32_t right);
  LineMetrics Metrics(const FontSpec& font);
  // False when not even the asked-for family could be loaded (nothing will be drawn).
  bool HasFamily(const std::wstring& family, bool bold);

 private:
  FontFace* Face(const std::wstring& family, bool bold);
  FontFace* FaceWithGlyph(const FontSpec& font, char32_t codePoint, bool& synthesizeBold);

  std::unique_ptr<FontSource> source_;
  std::map<std::pair<std::wstring, bool>, std::unique_ptr<FontFace>> faces_;
  std::map<std::tuple<std::wstring, bool, float, char32_t>, Glyph> glyphs_;
};

}  // namespace toolkit
