#include <stb/stb_truetype.h>
#include <windows.h>

#include <string>

#include "common/win32/system_library.h"
#include "common/win32/unique_handle.h"
#include "toolkit/win32/gdi_font_source.h"
#include "toolkit/win32/gdi_objects.h"

namespace toolkit::win32 {
namespace {

constexpr DWORD kCollectionTag = 0x66637474;  // 'ttcf' as GetFontData wants it
constexpr WORD kBoldSimulation = 1;

// What GDI tells about the face it realised for a font (gdi32, Windows 7 and later; the longer
// form with the face index from Windows 8.1).
struct FontRealizationInfo {
  DWORD size;
  DWORD flags;
  DWORD cacheNumber;
  DWORD instanceId;
  DWORD reserved;
  WORD faceIndex;
  WORD simulations;
};
constexpr DWORD kShortRealizationInfo = 16;

// The file behind a realised face (gdi32, Windows 8 and later).
struct FontFileInfo {
  FILETIME writeTime;
  LARGE_INTEGER size;
  WCHAR path[1];
};

using GetFontRealizationInfoRoutine = BOOL(WINAPI*)(HDC, FontRealizationInfo*);
using GetFontFileInfoRoutine = BOOL(WINAPI*)(DWORD, DWORD, FontFileInfo*, SIZE_T, SIZE_T*);

std::string Utf8(const std::wstring& text) {
  const int n = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
  std::string out(n > 0 ? static_cast<size_t>(n) : 1, '\0');
  if (n > 0) WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, out.data(), n, nullptr, nullptr);
  out.resize(out.size() - 1);
  return out;
}

// Tells a face's file apart from another without keeping a copy of it.
uint64_t Fingerprint(const FontBytes& bytes) {
  uint64_t hash = 14695981039346656037ull ^ bytes.size();
  for (size_t i = 0; i < bytes.size(); ++i) hash = (hash ^ bytes.data()[i]) * 1099511628211ull;
  return hash;
}

// The size of the face's whole file as GDI has it, and the table that reads all of it.
DWORD FileSize(HDC dc, DWORD& table) {
  table = kCollectionTag;
  DWORD size = GetFontData(dc, table, 0, nullptr, 0);
  if (size == GDI_ERROR) {
    table = 0;
    size = GetFontData(dc, table, 0, nullptr, 0);
  }
  return size == GDI_ERROR ? 0 : size;
}

// The index of the face asked for inside a collection file.
int FaceIndexIn(const FontBytes& bytes, const std::wstring& family, bool bold) {
  const int offset = stbtt_FindMatchingFont(bytes.data(), Utf8(family).c_str(),
                                            bold ? STBTT_MACSTYLE_BOLD : STBTT_MACSTYLE_NONE);
  for (int i = 0; offset >= 0 && i < stbtt_GetNumberOfFonts(bytes.data()); ++i) {
    if (stbtt_GetFontOffsetForIndex(bytes.data(), i) == offset) return i;
  }
  return 0;
}

bool RealizationOf(HDC dc, FontRealizationInfo& info) {
  static const auto routine = FindRoutine<GetFontRealizationInfoRoutine>(
      GetModuleHandleW(L"gdi32.dll"), "GetFontRealizationInfo");
  if (!routine) return false;
  info = {};
  info.size = sizeof(info);
  if (routine(dc, &info)) return true;
  info = {};
  info.size = kShortRealizationInfo;
  return routine(dc, &info) != FALSE;
}

// The path of the realised face's file: a drive path on Windows, an NT path (\??\…) under Wine.
std::wstring FilePathOf(DWORD instanceId) {
  static const auto routine =
      FindRoutine<GetFontFileInfoRoutine>(GetModuleHandleW(L"gdi32.dll"), "GetFontFileInfo");
  if (!routine) return {};
  // Eight-byte units keep the record aligned.
  std::vector<ULONGLONG> buffer((sizeof(FontFileInfo) + MAX_PATH * sizeof(WCHAR)) / 8 + 1);
  SIZE_T needed = 0;
  auto* info = reinterpret_cast<FontFileInfo*>(buffer.data());
  if (!routine(instanceId, 0, info, buffer.size() * 8, &needed)) {
    if (needed <= buffer.size() * 8 || needed > 0x10000) return {};
    buffer.assign(needed / 8 + 2, 0);
    info = reinterpret_cast<FontFileInfo*>(buffer.data());
    if (!routine(instanceId, 0, info, buffer.size() * 8, &needed)) return {};
  }
  std::wstring path(
      info->path,
      wcsnlen(info->path, (buffer.size() * 8 - offsetof(FontFileInfo, path)) / sizeof(WCHAR)));
  if (path.rfind(L"\\??\\", 0) == 0) path[1] = L'\\';  // \\?\ hands the NT path on unchanged
  return path;
}

// The file mapped read-only, exactly `expectedSize` bytes long; empty when it cannot be.
FontBytes MapFile(const std::wstring& path, DWORD expectedSize) {
  UniqueHandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_DELETE,
                                nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  LARGE_INTEGER size{};
  if (!file || !GetFileSizeEx(file.Get(), &size) || size.QuadPart != expectedSize) return {};
  const UniqueHandle mapping(CreateFileMappingW(file.Get(), nullptr, PAGE_READONLY, 0, 0, nullptr));
  if (!mapping) return {};
  const void* view = MapViewOfFile(mapping.Get(), FILE_MAP_READ, 0, 0, 0);
  if (!view) return {};
  // The view outlives the handles; the last copy of the bytes unmaps it.
  std::shared_ptr<const void> owner(view, [](const void* v) { UnmapViewOfFile(v); });
  return FontBytes(std::move(owner), static_cast<const uint8_t*>(view), expectedSize);
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
  DWORD table = 0;
  const DWORD size = FileSize(dc.Get(), table);
  if (size == 0) return std::nullopt;
  FontData data;
  // Mapped from its file where GDI names it: only the pages read for glyphs are ever loaded.
  FontRealizationInfo realization{};
  if (RealizationOf(dc.Get(), realization)) {
    if (bold && (realization.simulations & kBoldSimulation)) return std::nullopt;
    data.bytes = MapFile(FilePathOf(realization.instanceId), size);
    if (!data.bytes.empty()) {
      if (realization.size == sizeof(realization)) {
        data.faceIndex = realization.faceIndex;
      } else if (table == kCollectionTag) {
        data.faceIndex = FaceIndexIn(data.bytes, family, bold);
      }
      return data;
    }
  }
  std::vector<uint8_t> copy(size);
  if (GetFontData(dc.Get(), table, 0, copy.data(), size) != size) return std::nullopt;
  data.bytes = FontBytes(std::move(copy));
  if (table == kCollectionTag) data.faceIndex = FaceIndexIn(data.bytes, family, bold);
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
