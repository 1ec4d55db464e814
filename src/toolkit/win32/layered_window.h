#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "toolkit/bitmap.h"
#include "toolkit/host.h"
#include "toolkit/input_hold.h"
#include "toolkit/scene.h"
#include "toolkit/win32/gdi_objects.h"
#include "toolkit/win32/live_tile.h"

namespace toolkit::win32 {

struct WindowOptions {
  std::wstring caption;
  SizeF size{100, 100};
  HWND owner = nullptr;  // owned popups: no taskbar button, kept above the owner
  bool centered = true;  // on the desktop's work area; otherwise at `position` (screen)
  POINT position{0, 0};
  bool takesFocus = true;  // false for tooltips and drop-down lists
  // A window class of its own (found by that name from outside); empty for the toolkit's.
  std::wstring className;
  HICON bigIcon = nullptr;  // not owned; shown by the taskbar and Alt+Tab
  HICON smallIcon = nullptr;
  // While held, the window and its popups take no input but the drag (not owned).
  const InputHold* inputHold = nullptr;
};

// A top-level window with per-pixel alpha showing a scene: drawn with UpdateLayeredWindow
// (constant alpha 255) from the scene's premultiplied buffer, redrawing only the damaged area,
// sending only that area to the window (UpdateLayeredWindowIndirect's dirty rectangle) and only
// when something changed; mouse, keyboard and IME characters go to the scene; the
// 33 ms animation timer runs only while an animation needs frames (endless ones pause while the
// window is hidden). Fully transparent pixels let clicks through to the windows beneath.
class LayeredWindow : public SceneHost {
 public:
  // A window with a scene of its own.
  LayeredWindow(FontLibrary& fonts, WindowOptions options);
  // A window showing `scene`, which is owned elsewhere (popups).
  LayeredWindow(Scene& scene, WindowOptions options);
  ~LayeredWindow() override;
  LayeredWindow(const LayeredWindow&) = delete;
  LayeredWindow& operator=(const LayeredWindow&) = delete;

  HWND Handle() const { return hwnd_; }
  Scene& GetScene() { return *scene_; }
  void Show(bool activate = true);
  void Hide();
  bool IsShown() const { return IsWindowVisible(hwnd_) != FALSE; }
  // Draws pending damage now.
  void RenderNow();
  // Sees every message first; returning true consumes it with `result`.
  std::function<bool(UINT message, WPARAM, LPARAM, LRESULT& result)> onMessage;
  // Marks the application as ending (waits stop waiting).
  void SetEnding() { ending_ = true; }

  // SceneHost
  void RequestRender() override;
  void SetCursor(Cursor cursor) override;
  void MoveWindowBy(int dx, int dy) override;
  void SetMouseCapture(bool captured) override;
  void ShowTooltip(const std::wstring& text, PointF scenePoint) override;
  void SetClockRunning(bool running) override;
  uint32_t TickCount() override { return GetTickCount(); }
  void DispatchPendingMessages() override;
  void WaitForMessages() override;
  bool IsEnding() override;
  bool InputHeld() override { return inputHold_ != nullptr && inputHold_->Held(); }
  std::wstring ClipboardText() override;
  void SetClipboardText(const std::wstring& text) override;
  std::unique_ptr<PopupWindow> OpenPopup(Scene& content, PointF ownerPoint, bool activate) override;

 private:
  class OwnedPopup;
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
  void Create(const WindowOptions& options);
  void PlacePopups();
  // Drop-down lists and other popups that do not take the keyboard close on a press elsewhere.
  void DeactivatePassivePopups();
  void ShowTooltipNow();
  bool TrySceneMessage(UINT message, WPARAM wParam, LPARAM lParam);
  // Sends `dirty` of the frame (the whole frame when the window needs it) to the window.
  void SendToWindow(const RectI& dirty);

  // An owned popup kept in place relative to its owner: a drag on it moves the owner.
  LayeredWindow* dragsOwner_ = nullptr;
  const InputHold* inputHold_ = nullptr;
  std::unique_ptr<Scene> ownScene_;
  Scene* scene_;
  HWND hwnd_ = nullptr;
  Bitmap frame_;
  UniqueDc memoryDc_;
  UniqueBitmap dib_;
  uint32_t* dibPixels_ = nullptr;
  // The window's picture is not the frame's outside the damage (first frame, screen change,
  // failed update): the next update sends the whole frame.
  bool wholeFramePending_ = true;
  // The scene's live area (a spinner's): its frames go to the tile alone, and meanwhile the
  // window's own picture there is an older one (sent again before the tile goes).
  LiveTile tile_{nullptr};
  bool behindTileStale_ = false;
  bool renderPosted_ = false;
  bool clockRunning_ = false;
  bool trackingLeave_ = false;
  bool ending_ = false;
  Cursor cursor_ = Cursor::Arrow;
  std::vector<OwnedPopup*> popups_;
  std::wstring tooltipText_;
  POINT tooltipAt_{};
  std::unique_ptr<Scene> tooltipScene_;
  std::unique_ptr<LayeredWindow> tooltipWindow_;
};

}  // namespace toolkit::win32
