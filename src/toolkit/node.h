#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "toolkit/animation.h"
#include "toolkit/animation_set.h"
#include "toolkit/bitmap.h"
#include "toolkit/canvas.h"
#include "toolkit/color.h"
#include "toolkit/effects.h"
#include "toolkit/geometry.h"
#include "toolkit/input.h"

namespace toolkit {

class Scene;
class FontLibrary;

// How a node places itself in its parent whenever the parent lays out its children.
enum class Align {
  None,
  Client,  // fill the parent less the node's margins
  Bottom,  // on the parent's bottom edge at full width (less left/right margins)
  Center,  // centred, own size kept
};

// What Enter and Esc do: they click the visible, enabled node with that role.
enum class KeyRole { None, Default, Cancel };

// One object of the retained scene: a rectangle of its parent's space with rotation about its
// centre, opacity (multiplied down the tree), visibility, enabled and hit-test flags, children
// drawn in order (later on top), effects, state and animations. Subclasses draw content
// (Paint) and react to input (the On... handlers). Every change that alters the picture marks
// the area it covered and covers as damaged, so the scene redraws only that.
class Node {
 public:
  explicit Node(std::string name = {});
  virtual ~Node();
  Node(const Node&) = delete;
  Node& operator=(const Node&) = delete;

  const std::string& Name() const { return name_; }

  // --- tree
  Node* AddChild(std::unique_ptr<Node> child);
  template <class T, class... Args>
  T* Add(Args&&... args) {
    return static_cast<T*>(AddChild(std::make_unique<T>(std::forward<Args>(args)...)));
  }
  Node* Parent() const { return parent_; }
  const std::vector<std::unique_ptr<Node>>& Children() const { return children_; }
  // The first node of this subtree (depth first, this node included) with that name.
  Node* Find(std::string_view name);
  Scene* GetScene() const;
  bool IsAncestorOf(const Node* other) const;

  // --- geometry
  PointF Position() const { return position_; }
  void SetPosition(PointF p);
  void SetX(float x) { SetPosition({x, position_.y}); }
  void SetY(float y) { SetPosition({position_.x, y}); }
  SizeF Size() const { return size_; }
  void SetSize(SizeF s);
  void SetBounds(float x, float y, float width, float height);
  float Width() const { return size_.width; }
  float Height() const { return size_.height; }
  RectF LocalRect() const { return {0, 0, size_.width, size_.height}; }
  // Degrees, clockwise. Stored reduced: whole turns taken off toward zero, then 360 added when
  // below -180 (so 360 is stored as 0, -190 as 170).
  float RotationAngle() const { return rotation_; }
  void SetRotationAngle(float degrees);
  static float ReduceAngle(float degrees);
  float Opacity() const { return opacity_; }
  void SetOpacity(float opacity);
  bool Visible() const { return visible_; }
  // Visible together with every ancestor.
  bool ShownInScene() const;
  void SetVisible(bool visible);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  bool HitTest() const { return hitTest_; }
  void SetHitTest(bool hitTest) { hitTest_ = hitTest; }
  // Factor applied to the opacity while the node or an ancestor is disabled.
  float DisabledOpacity() const { return disabledOpacity_; }
  void SetDisabledOpacity(float factor);
  Align GetAlign() const { return align_; }
  void SetAlign(Align align, Margins margins = {});
  // This node and all its ancestors are visible / enabled.
  bool IsShown() const;
  bool IsEffectivelyEnabled() const;

  // --- input settings
  Cursor GetCursor() const { return cursor_; }
  void SetCursor(Cursor c) { cursor_ = c; }
  const std::wstring& Tooltip() const { return tooltip_; }
  void SetTooltip(std::wstring text) { tooltip_ = std::move(text); }
  bool CanFocus() const { return canFocus_; }
  void SetCanFocus(bool canFocus) { canFocus_ = canFocus; }
  int TabOrder() const { return tabOrder_; }
  void SetTabOrder(int order) { tabOrder_ = order; }
  KeyRole Role() const { return role_; }
  void SetRole(KeyRole role) { role_ = role; }
  std::function<void()> onClick;
  // Right-button release, or the context-menu key while focused.
  std::function<void()> onContextRequest;

  // --- effects: they take the shape of what the node draws with its subtree
  void SetGlow(std::optional<GlowEffect> glow);
  const std::optional<GlowEffect>& Glow() const { return effects_.Glow(); }
  void SetShadow(std::optional<ShadowEffect> shadow);

  // --- state and animations
  bool State(NodeState state) const;
  void SetState(NodeState state, bool on);
  // An animation owned by this node (started by Start or by its triggers).
  FloatAnimation* AddFloatAnimation(std::string path);
  ColorAnimation* AddColorAnimation(std::string path);
  // Runs `path` from its current value to `value` in `seconds` and returns at once; the
  // animation frees itself when it ends. Nothing runs while the node's visibility flag is off.
  void AnimateFloat(std::string path, float value, double seconds,
                    AnimationType type = AnimationType::In, Curve curve = Curve::Linear);
  // The same, returning only when the animation has ended; meanwhile it dispatches the
  // window's pending messages (other handlers may run) and yields the processor.
  void AnimateFloatWait(std::string path, float value, double seconds,
                        AnimationType type = AnimationType::In, Curve curve = Curve::Linear);
  AnimationSet& Animations() { return animations_; }

  // --- properties by path ("Opacity", "Position.x", "Position.y", "RotationAngle", "Width",
  // "Height"; subclasses add their own). False when the path is unknown.
  virtual bool GetFloat(std::string_view path, float& value) const;
  virtual bool SetFloat(std::string_view path, float value);
  virtual bool GetColor(std::string_view path, Color& value) const;
  virtual bool SetColor(std::string_view path, Color value);

  // --- coordinates
  Affine LocalTransform() const;  // into the parent's space
  Affine WorldTransform() const;  // into the scene's space
  PointF FromScene(PointF scenePoint) const;
  // The scene area this subtree draws into, effects included.
  RectF SceneBounds() const;

  // --- drawing
  // Marks the area of this subtree as needing a redraw.
  void Invalidate();
  // The node's own picture changed: also drops cached effect pictures.
  void ContentChanged();
  // Draws the node's own content in local coordinates (children are drawn after it).
  virtual void Paint(Canvas& canvas);
  // Whether a local point belongs to the node for hit-testing.
  virtual bool ContainsPoint(PointF local) const { return LocalRect().Contains(local); }
  // For nodes whose content is round: the radius around the centre that holds all of it, so
  // that turning it damages only that circle.
  virtual std::optional<float> ContentRadius() const { return std::nullopt; }
  // A local rectangle that the node's own content covers fully opaque (empty: none). Whatever
  // its subtree draws inside it cannot change the shape the node's glow and shadow take.
  virtual RectF OpaqueArea() const { return {}; }

  // --- input handlers (the scene calls them; default: nothing)
  virtual void OnMouseDown(const MouseEvent&) {}
  virtual void OnMouseMove(const MouseEvent&) {}
  virtual void OnMouseUp(const MouseEvent&) {}
  virtual void OnClick();
  virtual void OnContextRequest();
  // True when the wheel was used; otherwise it goes to the parent.
  virtual bool OnMouseWheel(float /*notches*/) { return false; }
  // Key: `key` may be cleared to mark it used.
  virtual void OnKeyDown(uint16_t& /*key*/, Modifiers) {}
  virtual void OnChar(wchar_t /*ch*/) {}
  virtual void OnMouseEnter() {}
  virtual void OnMouseLeave() {}
  virtual void OnFocusChanged(bool /*focused*/) {}
  // The node was drawn; its children follow.
  virtual void OnStateChanged(NodeState) {}

  // Lays out the aligned visible children again.
  void Realign();

 protected:
  FontLibrary* Fonts() const;
  // Called after the size changed (before children are realigned).
  virtual void OnResized() {}

 private:
  friend class Scene;
  // What a node's parent passes down while drawing.
  static constexpr int kNoDimming = -1;
  struct Inherited {
    float opacity;
    bool enabled;
    // Levels down to where a disabled scene's dimming starts (0: here), or kNoDimming.
    int dimmingIn;
  };
  // Draws this subtree (the scene's renderer).
  void Render(Canvas& canvas, Inherited inherited);
  // The subtree at full opacity in local coordinates, as the effects take its shape.
  void DrawForEffects(Canvas& canvas);
  // Brings the effects' coverage of changed subtrees up to date before a frame.
  void RefreshEffects();
  // Tells the ancestors with effects that this subtree's area changed.
  void MarkAncestorEffects();
  RectF OwnSceneBounds(const Affine& world) const;
  // The node's opaque content covers the whole clip at full opacity: what lies behind it there
  // (its effects) would be painted over.
  bool HidesClip(const Canvas& canvas) const;
  float EffectExtent() const;
  void AttachScene(Scene* scene);
  void ChildVisibilityChanged();
  void ReleaseFinishedAnimations();
  bool GlowActive() const;

  std::string name_;
  Node* parent_ = nullptr;
  Scene* scene_ = nullptr;  // set on the root only; others ask their parent
  std::vector<std::unique_ptr<Node>> children_;
  PointF position_;
  SizeF size_;
  float rotation_ = 0;
  float opacity_ = 1;
  float disabledOpacity_ = 0.8f;
  bool visible_ = true;
  bool enabled_ = true;
  bool hitTest_ = false;
  Align align_ = Align::None;
  Margins margins_;
  Cursor cursor_ = Cursor::Arrow;
  std::wstring tooltip_;
  bool canFocus_ = false;
  int tabOrder_ = 0;
  KeyRole role_ = KeyRole::None;
  unsigned states_ = 0;
  SubtreeEffects effects_;
  AnimationSet animations_{*this};
};

}  // namespace toolkit
