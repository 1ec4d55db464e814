#pragma once

#include <windows.h>

#include "toolkit/bitmap.h"
#include "toolkit/geometry.h"

namespace toolkit::win32 {

// A small layered window over one area of its owner's client area, showing that area of the
// owner's picture. The frames of a long animation that change only there (a spinner's) go to
// it, so the system copies its few pixels per frame instead of the whole window's. It takes no
// input (clicks fall through to the owner) and never the focus.
class LiveTile {
 public:
  explicit LiveTile(HWND owner) : owner_(owner) {}
  ~LiveTile() { Destroy(); }
  LiveTile(const LiveTile&) = delete;
  LiveTile& operator=(const LiveTile&) = delete;

  void SetOwner(HWND owner) { owner_ = owner; }
  // Closes the window (before its owner's goes, which would take it along).
  void Destroy();
  bool Shown() const { return shown_; }
  const RectI& Area() const { return area_; }
  // Shows `area` (owner's client coordinates) of the picture selected into `source`, moving and
  // sizing the tile to it; false when the system refused (the tile is hidden then).
  bool Show(HDC source, const RectI& area);
  void Hide();
  // Keeps the tile over its area after the owner moved.
  void Place();

 private:
  POINT ScreenPlace() const;

  HWND owner_;
  HWND hwnd_ = nullptr;
  RectI area_;
  bool shown_ = false;
};

// Whether every pixel of `area` is opaque: only there does a tile look exactly like the owner
// beneath it (a translucent pixel would be blended twice).
bool IsOpaque(const Bitmap& picture, const RectI& area);

}  // namespace toolkit::win32
