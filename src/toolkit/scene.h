#pragma once

#include <functional>
#include <memory>

#include "toolkit/bitmap.h"
#include "toolkit/clock.h"
#include "toolkit/font.h"
#include "toolkit/host.h"
#include "toolkit/input.h"
#include "toolkit/node.h"

namespace toolkit {

// A retained tree of nodes in a window-sized area, with its animation clock, damage tracking,
// input dispatch (hit-testing, capture, hover, focus, Tab order, default and cancel keys,
// press-to-drag) and rendering into a premultiplied BGRA bitmap.
class Scene {
 public:
  Scene(SizeF size, FontLibrary& fonts, SceneHost& host);
  ~Scene();
  Scene(const Scene&) = delete;
  Scene& operator=(const Scene&) = delete;

  Node& Root() { return *root_; }
  SizeF Size() const { return size_; }
  FontLibrary& Fonts() { return fonts_; }
  SceneHost& Host() { return *host_; }
  void SetHost(SceneHost& host) { host_ = &host; }
  AnimationClock& Clock() { return clock_; }
  // Whether the window showing the scene is on the screen; endless animations pause while not.
  bool OnScreen() const { return onScreen_; }
  void SetOnScreen(bool onScreen);

  // A disabled scene (its window is behind a modal popup): no node takes input, so every press
  // drags the window, and what lies on the screens (the root's children) is drawn dimmed: each
  // node below a screen takes its DisabledOpacity on top of its parent's. The root and the
  // screens themselves, effects included, keep their opacity.
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  // Whether nodes take input now: enabled, and the host does not hold input. Nothing is dimmed
  // while input is held.
  bool TakesInput() const { return enabled_ && !host_->InputHeld(); }

  // --- drawing
  void AddDamage(const RectI& area);
  RectI Damage() const { return damage_; }
  bool HasDamage() const { return !damage_.IsEmpty(); }
  // Redraws the damaged area of `target` (the window's size) and returns it; empty when nothing
  // changed, in which case nothing is drawn.
  RectI Render(Bitmap& target);
  // Damages everything and renders.
  void RenderAll(Bitmap& target);
  int RenderCount() const { return renders_; }
  // A node that animates on its own for long (a spinner): the window may show the changes
  // that fall inside its area apart from the rest (a small window over it costs the system
  // less per frame). Null for none.
  void SetLiveNode(Node* node);
  // The live node's scene area while it is shown; empty otherwise.
  RectI LiveArea() const;

  // --- input, in scene coordinates
  void MouseDown(PointF point, MouseButton button, Modifiers modifiers = {});
  void MouseMove(PointF point, Modifiers modifiers = {});
  void MouseUp(PointF point, MouseButton button, Modifiers modifiers = {});
  void MouseLeave();
  // Another window took the mouse: a press or drag under way ends without a click.
  void CaptureLost();
  void MouseWheel(PointF point, float notches);
  // Sees every key first; true consumes it.
  std::function<bool(uint16_t key, Modifiers modifiers)> onKeyPreview;
  // True when the key was used.
  bool KeyDown(uint16_t key, Modifiers modifiers = {});
  void Char(wchar_t ch);
  // One tick of the 33 ms animation timer.
  void Tick();
  // The window lost activation (popups close on it).
  std::function<void()> onDeactivate;
  void Deactivate();

  // The topmost visible, enabled, hit-testable node under `point` (children before parent);
  // null when a press there drags the window.
  Node* NodeAt(PointF point);
  Node* Focused() const { return focused_; }
  void SetFocus(Node* node);
  void FocusNext(bool backwards);
  Node* Hovered() const { return hovered_; }
  bool Dragging() const { return dragging_; }

  // Called by nodes being destroyed so no dangling pointer stays behind.
  void Forget(Node* node);

 private:
  Node* NodeAt(Node& node, PointF point, bool parentEnabled);
  void UpdateHover(PointF point);
  Node* RoleNode(Node& node, KeyRole role);
  void CollectFocusable(Node& node, std::vector<Node*>& out);

  SizeF size_;
  FontLibrary& fonts_;
  SceneHost* host_;
  AnimationClock clock_;
  std::unique_ptr<Node> root_;
  RectI damage_;
  int renders_ = 0;
  Node* liveNode_ = nullptr;
  Node* pressed_ = nullptr;
  Node* hovered_ = nullptr;
  Node* focused_ = nullptr;
  bool dragging_ = false;
  PointF dragOrigin_;
  bool swallowChar_ = false;
  bool onScreen_ = true;
  bool enabled_ = true;
};

}  // namespace toolkit
