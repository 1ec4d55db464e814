#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "toolkit/font.h"

namespace toolkit::win32 {

// The installed fonts: the file GDI realises a face from, mapped read-only (only the pages read
// for glyphs are ever loaded), or a copy through GDI GetFontData where GDI names no file (before
// Windows 8). A family whose bold face GDI only simulates is reported without one, so the
// toolkit emboldens the regular face itself.
class GdiFontSource : public FontSource {
 public:
  std::optional<FontData> Load(const std::wstring& family, bool bold) override;
  std::vector<std::wstring> FallbackFamilies() const override;

 private:
  // Fingerprints of the regular faces' files, to spot a bold face GDI only simulates.
  std::map<std::wstring, uint64_t> regular_;
};

}  // namespace toolkit::win32
