#include <stb/stb_truetype.h>
#include <windows.h>

#include "toolkit/win32/gdi_font_source.h"
#include "toolkit/win32/gdi_objects.h"

namespace toolkit::win32 {
namespace {

constexpr DWORD kCollectionTag = 0x66637474;  // 'ttcf' as GetFontData wants it

std::string Utf8(const std::wstring& text) {
  const int n = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
  std::string out(n > 0 ? static_cast<size_t>(n) : 1, '\0');
  if (n > 0) WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, out.data(), n, nullptr, nullptr);
  out.resize(out.size() - 1);
  return out;
}

// Tells a face's file apart from another without keeping a copy of it.
uint64_t Fingerprint(const std::vector<uint8_t>& bytes) {
  uint64_t hash = 14695981039346656037ull ^ bytes.size();
  for (const uint8_t byte : bytes) hash = (hash ^ byte) * 1099511628211ull;
  return hash;
}

}  // namespace

std::optional<FontData> GdiFontSource::Load(const std::wstring& family, bool bold) {
  UniqueDc dc(CreateCompatibleDC(nullptr));
  if (!dc) return std::nullopt;
  UniqueFont font(CreateFontW(-16, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                              DEFAULT_CHARSET, OUT_TT_ONLY_PRECIS, CLIP_DEFAULT_PRECIS,
                              DEFAULT_QUALITY, DEFAULT_PITCH, family.c_str()));
  if (!font) return std::nullopt;
  ScopedSelect select(dc.Get(), font.Get());
  // GDI silently substitutes a missing family; only the asked-for one counts.
  wchar_t face[LF_FACESIZE] = {};
  GetTextFaceW(dc.Get(), LF_FACESIZE, face);
  if (CompareStringOrdinal(face, -1, family.c_str(), -1, TRUE) != CSTR_EQUAL) return std::nullopt;
  FontData data;
  DWORD table = kCollectionTag;
  DWORD size = GetFontData(dc.Get(), table, 0, nullptr, 0);
  if (size == GDI_ERROR) {
    table = 0;
    size = GetFontData(dc.Get(), table, 0, nullptr, 0);
  }
  if (size == GDI_ERROR || size == 0) return std::nullopt;
  data.bytes.resize(size);
  if (GetFontData(dc.Get(), table, 0, data.bytes.data(), size) != size) return std::nullopt;
  if (table == kCollectionTag) {
    const int offset = stbtt_FindMatchingFont(data.bytes.data(), Utf8(family).c_str(),
                                              bold ? STBTT_MACSTYLE_BOLD : STBTT_MACSTYLE_NONE);
    for (int i = 0; offset >= 0 && i < stbtt_GetNumberOfFonts(data.bytes.data()); ++i) {
      if (stbtt_GetFontOffsetForIndex(data.bytes.data(), i) == offset) data.faceIndex = i;
    }
  }
  if (!bold) {
    regular_[family] = Fingerprint(data.bytes);
  } else {
    if (!regular_.count(family)) Load(family, false);
    if (regular_[family] == Fingerprint(data.bytes) && data.faceIndex == 0) return std::nullopt;
  }
  return data;
}

std::vector<std::wstring> GdiFontSource::FallbackFamilies() const {
  return {L"Microsoft YaHei", L"SimSun", L"WenQuanYi Micro Hei", L"Droid Sans Fallback"};
}

}  // namespace toolkit::win32
