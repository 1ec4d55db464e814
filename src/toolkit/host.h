#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "toolkit/geometry.h"
#include "toolkit/input.h"

namespace toolkit {

class Scene;

// A separate top-level window showing its own scene (drop-down list, message popup, tooltip),
// owned by the window that opened it and kept at the same place relative to it when it moves.
// Destroying the object closes the window.
class PopupWindow {
 public:
  virtual ~PopupWindow() = default;
  // Top-left corner relative to the owner window's client area.
  virtual void MoveTo(PointF ownerPoint) = 0;
};

// What a scene needs of the window that shows it. The Win32 host implements it with a layered
// window; the headless host records and injects for tests.
class SceneHost {
 public:
  virtual ~SceneHost() = default;
  // The scene has damage to draw.
  virtual void RequestRender() = 0;
  virtual void SetCursor(Cursor cursor) = 0;
  // Moves the window by whole pixels (the press-to-drag rule).
  virtual void MoveWindowBy(int dx, int dy) = 0;
  virtual void SetMouseCapture(bool captured) = 0;
  // Shows `text` near `scenePoint` after the usual hover delay; empty text hides it.
  virtual void ShowTooltip(const std::wstring& text, PointF scenePoint) = 0;
  // Start or stop the 33 ms animation timer.
  virtual void SetClockRunning(bool running) = 0;
  // Milliseconds of the system clock.
  virtual uint32_t TickCount() = 0;
  // Dispatches every pending window message, then yields the processor (the animation waits).
  virtual void DispatchPendingMessages() = 0;
  // Sleeps until a window message arrives or a timer is due, then dispatches every pending
  // message (the modal popup's wait: it takes no processor time while nothing happens).
  virtual void WaitForMessages() = 0;
  // The application is closing: waits stop waiting.
  virtual bool IsEnding() = 0;
  // Input is held (see InputHold): no node takes input, a press only drags the window.
  virtual bool InputHeld() { return false; }
  virtual std::wstring ClipboardText() = 0;
  virtual void SetClipboardText(const std::wstring& text) = 0;
  // Opens `content` in an owned popup window at `ownerPoint` (relative to this window).
  // `activate`: the popup takes the keyboard (message popup) or not (tooltip, drop-down).
  virtual std::unique_ptr<PopupWindow> OpenPopup(Scene& content, PointF ownerPoint,
                                                 bool activate) = 0;
};

// The host of a scene whose window has gone (a closed popup's): it ignores every request, and
// waits on it end at once.
SceneHost& DetachedHost();

}  // namespace toolkit
