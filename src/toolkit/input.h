#pragma once

#include <cstdint>

#include "toolkit/geometry.h"

namespace toolkit {

enum class MouseButton { Left, Right, Middle };
enum class Cursor { Arrow, Hand, IBeam };

struct Modifiers {
  bool shift = false;
  bool control = false;
  bool alt = false;
};

// Key codes are the Windows virtual-key codes, so the Win32 host passes them through unchanged.
namespace keys {
inline constexpr uint16_t kBack = 0x08, kTab = 0x09, kReturn = 0x0D, kEscape = 0x1B, kSpace = 0x20,
                          kEnd = 0x23, kHome = 0x24, kLeft = 0x25, kUp = 0x26, kRight = 0x27,
                          kDown = 0x28, kDelete = 0x2E, kPageUp = 0x21, kPageDown = 0x22, kA = 'A',
                          kC = 'C', kV = 'V', kX = 'X', kApps = 0x5D, kF4 = 0x73;
}  // namespace keys

struct MouseEvent {
  PointF local;   // in the receiving node's coordinates
  PointF window;  // in the scene's coordinates
  MouseButton button = MouseButton::Left;
  Modifiers modifiers;
};

}  // namespace toolkit
