#pragma once

#include <windows.h>

#include <utility>

namespace toolkit::win32 {

// Owns one GDI object or handle of type T, released by `Release` on every path.
template <class T, BOOL(WINAPI* Release)(T)>
class UniqueGdi {
 public:
  UniqueGdi() = default;
  explicit UniqueGdi(T handle) : handle_(handle) {}
  UniqueGdi(const UniqueGdi&) = delete;
  UniqueGdi& operator=(const UniqueGdi&) = delete;
  UniqueGdi(UniqueGdi&& o) noexcept : handle_(std::exchange(o.handle_, nullptr)) {}
  UniqueGdi& operator=(UniqueGdi&& o) noexcept {
    if (this != &o) Reset(std::exchange(o.handle_, nullptr));
    return *this;
  }
  ~UniqueGdi() { Reset(); }
  T Get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }
  void Reset(T handle = nullptr) {
    if (handle_ != nullptr) Release(handle_);
    handle_ = handle;
  }

 private:
  T handle_ = nullptr;
};

inline BOOL WINAPI DeleteGdiObject(HGDIOBJ object) { return DeleteObject(object); }
inline BOOL WINAPI DeleteFontObject(HFONT font) { return DeleteObject(font); }
inline BOOL WINAPI DeleteBitmapObject(HBITMAP bitmap) { return DeleteObject(bitmap); }

using UniqueDc = UniqueGdi<HDC, DeleteDC>;
using UniqueFont = UniqueGdi<HFONT, DeleteFontObject>;
using UniqueBitmap = UniqueGdi<HBITMAP, DeleteBitmapObject>;
using UniqueMenu = UniqueGdi<HMENU, DestroyMenu>;
using UniqueIcon = UniqueGdi<HICON, DestroyIcon>;

// Selects an object into a device context for one scope.
class ScopedSelect {
 public:
  ScopedSelect(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
  ~ScopedSelect() { SelectObject(dc_, previous_); }
  ScopedSelect(const ScopedSelect&) = delete;
  ScopedSelect& operator=(const ScopedSelect&) = delete;

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

}  // namespace toolkit::win32
