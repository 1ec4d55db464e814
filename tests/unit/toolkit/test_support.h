#pragma once

#include <cstdlib>
#include <string>

#include "toolkit/bitmap.h"
#include "toolkit/font.h"

// One font library for all tests (faces and glyphs load once).
inline toolkit::FontLibrary& TestFonts() {
  static toolkit::FontLibrary fonts(toolkit::FileFontSource::Default());
  return fonts;
}

// Saves a picture for a person to look at when PELANTO_SNAPSHOTS names a folder.
inline void Snapshot(const toolkit::Bitmap& bitmap, const std::string& name) {
  if (const char* dir = std::getenv("PELANTO_SNAPSHOTS"))
    toolkit::WritePng(bitmap, std::string(dir) + "/" + name + ".png");
}

inline int AlphaAt(const toolkit::Bitmap& b, int x, int y) {
  return static_cast<int>(b.At(x, y) >> 24);
}
