#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "toolkit/bitmap.h"
#include "toolkit/host.h"
#include "toolkit/input_hold.h"
#include "toolkit/scene.h"

namespace toolkit {

// A window without a screen, for tests: a scene rendered into a bitmap, input injected in scene
// coordinates, a clock that only moves when told, and a record of what the scene asked of its
// window (cursor, moves, tooltips, clipboard, popups).
class HeadlessHost : public SceneHost {
 public:
  HeadlessHost(SizeF size, FontLibrary& fonts);
  ~HeadlessHost() override;

  Scene& GetScene() { return *scene_; }
  Bitmap& Frame() { return frame_; }
  // Renders the damage, as the window would on its next paint; returns the area redrawn.
  RectI Render() { return scene_->Render(frame_); }
  bool SavePng(const std::string& path) const { return WritePng(frame_, path); }

  // --- clock
  uint32_t Now() const { return now_; }
  // Moves time on by `ms`, ticking the scene every 33 ms while its clock runs, rendering after
  // each tick as the window would.
  void Advance(uint32_t ms);
  // Some scene's clock (the window's or an open popup's) runs.
  bool ClockRunning() const;
  // Moves time on without any tick, as a handler that keeps the thread busy does.
  void Stall(uint32_t ms) { now_ += ms; }
  // What a wait does between checks, spinning or sleeping: by default the clock moves on by one
  // timer interval.
  std::function<void()> onDispatch;
  // Spinning dispatches (the animation waits) and sleeping ones (the modal popup's).
  int DispatchCount() const { return dispatches_; }
  int SleepingWaitCount() const { return sleepingWaits_; }
  bool ending = false;
  // Input is held while this hold is (none: never).
  const InputHold* inputHold = nullptr;

  // --- input
  void Click(PointF p, MouseButton button = MouseButton::Left);
  void Press(uint16_t key, Modifiers modifiers = {});
  void Type(const std::wstring& text);

  // --- what the scene asked for
  PointF windowPosition;
  Cursor cursor = Cursor::Arrow;
  std::wstring tooltip;
  std::wstring clipboard;
  bool mouseCaptured = false;
  int renderRequests = 0;

  struct OpenedPopup {
    Scene* scene;
    PointF position;
    bool activate;
    bool open;
    Bitmap firstFrame;  // what the window showed when it appeared
  };
  // Every popup opened so far; `open` turns false when it is closed.
  const std::vector<std::shared_ptr<OpenedPopup>>& Popups() const { return popups_; }
  // The scene of the most recent popup still open, or null.
  Scene* OpenPopupScene() const;

  // SceneHost
  void RequestRender() override { ++renderRequests; }
  void SetCursor(Cursor c) override { cursor = c; }
  void MoveWindowBy(int dx, int dy) override;
  void SetMouseCapture(bool captured) override { mouseCaptured = captured; }
  void ShowTooltip(const std::wstring& text, PointF) override { tooltip = text; }
  void SetClockRunning(bool) override {}
  uint32_t TickCount() override { return now_; }
  void DispatchPendingMessages() override;
  void WaitForMessages() override;
  bool IsEnding() override { return ending; }
  bool InputHeld() override { return inputHold != nullptr && inputHold->Held(); }
  std::wstring ClipboardText() override { return clipboard; }
  void SetClipboardText(const std::wstring& text) override { clipboard = text; }
  std::unique_ptr<PopupWindow> OpenPopup(Scene& content, PointF ownerPoint, bool activate) override;

 private:
  void Wait();
  Bitmap frame_;
  std::unique_ptr<Scene> scene_;
  uint32_t now_ = 1000;
  uint32_t sinceTick_ = 0;
  int dispatches_ = 0;
  int sleepingWaits_ = 0;
  std::vector<std::shared_ptr<OpenedPopup>> popups_;
};

}  // namespace toolkit
