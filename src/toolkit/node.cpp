#include "toolkit/node.h"

#include <algorithm>
#include <cmath>

#include "toolkit/scene.h"

namespace toolkit {
namespace {

unsigned Bit(NodeState s) { return 1u << static_cast<unsigned>(s); }

bool Inside(const RectF& inner, const RectF& outer) {
  return !outer.IsEmpty() && inner.left >= outer.left && inner.top >= outer.top &&
         inner.right <= outer.right && inner.bottom <= outer.bottom;
}

}  // namespace

Node::Node(std::string name) : name_(std::move(name)) {}

Node::~Node() {
  animations_.Clear();
  children_.clear();
  if (Scene* scene = GetScene()) scene->Forget(this);
}

Node* Node::AddChild(std::unique_ptr<Node> child) {
  Node* raw = child.get();
  raw->parent_ = this;
  children_.push_back(std::move(child));
  if (raw->align_ != Align::None) Realign();
  raw->Invalidate();
  return raw;
}

Node* Node::Find(std::string_view name) {
  if (name_ == name) return this;
  for (auto& c : children_) {
    if (Node* found = c->Find(name)) return found;
  }
  return nullptr;
}

Scene* Node::GetScene() const {
  const Node* n = this;
  while (n->parent_ != nullptr) n = n->parent_;
  return n->scene_;
}

bool Node::IsAncestorOf(const Node* other) const {
  for (const Node* n = other; n != nullptr; n = n->parent_) {
    if (n == this) return true;
  }
  return false;
}

FontLibrary* Node::Fonts() const {
  Scene* scene = GetScene();
  return scene != nullptr ? &scene->Fonts() : nullptr;
}

void Node::SetPosition(PointF p) {
  if (p.x == position_.x && p.y == position_.y) return;
  Invalidate();
  position_ = p;
  Invalidate();
}

void Node::SetSize(SizeF s) {
  s.width = std::max(0.0f, s.width);
  s.height = std::max(0.0f, s.height);
  if (s.width == size_.width && s.height == size_.height) return;
  Invalidate();
  size_ = s;
  effects_.Reset();
  OnResized();
  Realign();
  Invalidate();
}

void Node::SetBounds(float x, float y, float width, float height) {
  SetPosition({x, y});
  SetSize({width, height});
}

float Node::ReduceAngle(float degrees) {
  float rest = std::fmod(degrees, 360.0f);
  if (rest < -180.0f) rest += 360.0f;
  return rest == 0.0f ? 0.0f : rest;
}

void Node::SetRotationAngle(float degrees) {
  const float reduced = ReduceAngle(degrees);
  if (reduced == rotation_) return;
  Invalidate();
  rotation_ = reduced;
  Invalidate();
}

void Node::SetOpacity(float opacity) {
  opacity = std::clamp(opacity, 0.0f, 1.0f);
  if (opacity == opacity_) return;
  opacity_ = opacity;
  Invalidate();
}

void Node::SetVisible(bool visible) {
  if (visible == visible_) return;
  if (!visible) Invalidate();
  visible_ = visible;
  if (visible) Invalidate();
  if (parent_ != nullptr) parent_->ChildVisibilityChanged();
  // Endless animations below may have come into view or gone out of it.
  if (Scene* scene = GetScene()) scene->Clock().Refresh();
}

bool Node::ShownInScene() const {
  for (const Node* n = this; n != nullptr; n = n->parent_) {
    if (!n->visible_) return false;
  }
  return true;
}

void Node::ChildVisibilityChanged() { Realign(); }

void Node::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  Invalidate();
}

void Node::SetDisabledOpacity(float factor) {
  disabledOpacity_ = std::clamp(factor, 0.0f, 1.0f);
  Invalidate();
}

void Node::SetAlign(Align align, Margins margins) {
  align_ = align;
  margins_ = margins;
  if (parent_ != nullptr) parent_->Realign();
}

bool Node::IsShown() const {
  for (const Node* n = this; n != nullptr; n = n->parent_) {
    if (!n->visible_) return false;
  }
  return true;
}

bool Node::IsEffectivelyEnabled() const {
  for (const Node* n = this; n != nullptr; n = n->parent_) {
    if (!n->enabled_) return false;
  }
  const Scene* scene = GetScene();
  return scene == nullptr || scene->Enabled();
}

void Node::Realign() {
  for (auto& child : children_) {
    if (!child->visible_) continue;
    const Margins& m = child->margins_;
    switch (child->align_) {
      case Align::None:
        break;
      case Align::Client:
        child->SetPosition({m.left, m.top});
        child->SetSize({size_.width - m.left - m.right, size_.height - m.top - m.bottom});
        break;
      case Align::Bottom:
        child->SetSize({size_.width - m.left - m.right, child->size_.height});
        child->SetPosition({m.left, size_.height - child->size_.height - m.bottom});
        break;
      case Align::Center:
        child->SetPosition(
            {(size_.width - child->size_.width) / 2, (size_.height - child->size_.height) / 2});
        break;
    }
  }
}

void Node::SetGlow(std::optional<GlowEffect> glow) {
  Invalidate();
  effects_.SetGlow(std::move(glow));
  Invalidate();
}

void Node::SetShadow(std::optional<ShadowEffect> shadow) {
  Invalidate();
  effects_.SetShadow(std::move(shadow));
  Invalidate();
}

bool Node::State(NodeState state) const { return (states_ & Bit(state)) != 0; }

void Node::SetState(NodeState state, bool on) {
  if (State(state) == on) return;
  const bool glowBefore = GlowActive();
  if (glowBefore) Invalidate();
  states_ = on ? states_ | Bit(state) : states_ & ~Bit(state);
  if (!glowBefore && GlowActive()) Invalidate();
  animations_.OnStateChanged(state);
  OnStateChanged(state);
}

bool Node::GlowActive() const {
  const auto& glow = effects_.Glow();
  return glow && (!glow->whileState || State(*glow->whileState));
}

FloatAnimation* Node::AddFloatAnimation(std::string path) {
  return animations_.AddFloat(std::move(path));
}

ColorAnimation* Node::AddColorAnimation(std::string path) {
  return animations_.AddColor(std::move(path));
}

void Node::ReleaseFinishedAnimations() {
  animations_.ReleaseFinished();
  for (auto& child : children_) child->ReleaseFinishedAnimations();
}

void Node::AnimateFloat(std::string path, float value, double seconds, AnimationType type,
                        Curve curve) {
  animations_.AnimateFloat(std::move(path), value, seconds, type, curve);
}

void Node::AnimateFloatWait(std::string path, float value, double seconds, AnimationType type,
                            Curve curve) {
  animations_.AnimateFloatWait(std::move(path), value, seconds, type, curve);
}

bool Node::GetFloat(std::string_view path, float& value) const {
  if (PropertyPathIs(path, "Opacity"))
    value = opacity_;
  else if (PropertyPathIs(path, "Position.x"))
    value = position_.x;
  else if (PropertyPathIs(path, "Position.y"))
    value = position_.y;
  else if (PropertyPathIs(path, "RotationAngle"))
    value = rotation_;
  else if (PropertyPathIs(path, "Width") || PropertyPathIs(path, "Size.Width"))
    value = size_.width;
  else if (PropertyPathIs(path, "Height") || PropertyPathIs(path, "Size.Height"))
    value = size_.height;
  else
    return false;
  return true;
}

bool Node::SetFloat(std::string_view path, float value) {
  if (PropertyPathIs(path, "Opacity"))
    SetOpacity(value);
  else if (PropertyPathIs(path, "Position.x"))
    SetX(value);
  else if (PropertyPathIs(path, "Position.y"))
    SetY(value);
  else if (PropertyPathIs(path, "RotationAngle"))
    SetRotationAngle(value);
  else if (PropertyPathIs(path, "Width") || PropertyPathIs(path, "Size.Width"))
    SetSize({value, size_.height});
  else if (PropertyPathIs(path, "Height") || PropertyPathIs(path, "Size.Height"))
    SetSize({size_.width, value});
  else
    return false;
  return true;
}

bool Node::GetColor(std::string_view, Color&) const { return false; }
bool Node::SetColor(std::string_view, Color) { return false; }

Affine Node::LocalTransform() const {
  const Affine move = Affine::Translation(position_.x, position_.y);
  if (rotation_ == 0) return move;
  return move * Affine::RotationAbout(rotation_, {size_.width / 2, size_.height / 2});
}

Affine Node::WorldTransform() const {
  return parent_ != nullptr ? parent_->WorldTransform() * LocalTransform() : LocalTransform();
}

PointF Node::FromScene(PointF p) const { return WorldTransform().Inverse().Apply(p); }

float Node::EffectExtent() const { return effects_.Extent(GlowActive()); }

RectF Node::OwnSceneBounds(const Affine& world) const {
  const float extent = EffectExtent();
  if (rotation_ != 0) {
    if (const auto radius = ContentRadius()) {
      const PointF c = world.Apply({size_.width / 2, size_.height / 2});
      return RectF{c.x, c.y, c.x, c.y}.Inflated(*radius + extent);
    }
  }
  return world.MapBounds(LocalRect().Inflated(extent));
}

RectF Node::SceneBounds() const {
  const Affine world = WorldTransform();
  RectF bounds = OwnSceneBounds(world);
  for (const auto& child : children_) {
    if (!child->visible_) continue;
    const RectF b = child->SceneBounds();
    bounds = {std::min(bounds.left, b.left), std::min(bounds.top, b.top),
              std::max(bounds.right, b.right), std::max(bounds.bottom, b.bottom)};
  }
  return bounds;
}

void Node::Invalidate() {
  MarkAncestorEffects();
  Scene* scene = GetScene();
  if (scene == nullptr || !IsShown()) return;
  // A little slack covers anti-aliased edges that straddle the bounds.
  scene->AddDamage(RectI::Covering(SceneBounds().Inflated(1)));
}

void Node::MarkAncestorEffects() {
  std::optional<RectF> area;
  for (Node* n = parent_; n != nullptr; n = n->parent_) {
    if (!n->effects_.Any()) continue;
    if (!area) area = SceneBounds();
    const RectF local = n->WorldTransform().Inverse().MapBounds(*area);
    // Drawn over opaque pixels, the change leaves the coverage's alpha as it was.
    if (Inside(local, n->OpaqueArea().Inflated(-1))) continue;
    n->effects_.SubtreeChanged(local);
  }
}

void Node::ContentChanged() {
  effects_.Reset();
  Invalidate();
}

void Node::Paint(Canvas&) {}

void Node::OnClick() {
  if (onClick) onClick();
}

void Node::OnContextRequest() {
  if (onContextRequest) onContextRequest();
}

void Node::DrawForEffects(Canvas& canvas) {
  Paint(canvas);
  for (const auto& child : children_) child->Render(canvas, {1.0f, true, kNoDimming});
}

void Node::RefreshEffects() {
  if (!visible_) return;
  if (effects_.Stale() && effects_.Refresh([this](Canvas& c) { DrawForEffects(c); })) {
    if (Scene* scene = GetScene())
      scene->AddDamage(RectI::Covering(OwnSceneBounds(WorldTransform()).Inflated(1)));
  }
  for (const auto& child : children_) child->RefreshEffects();
}

bool Node::HidesClip(const Canvas& canvas) const {
  if (canvas.Opacity() < 1.0f) return false;
  const RectI& clip = canvas.Clip();
  const RectF device{static_cast<float>(clip.left), static_cast<float>(clip.top),
                     static_cast<float>(clip.right), static_cast<float>(clip.bottom)};
  return Inside(canvas.Transform().Inverse().MapBounds(device), OpaqueArea());
}

void Node::Render(Canvas& canvas, Inherited inherited) {
  if (!visible_) return;
  const bool enabled = inherited.enabled && enabled_;
  const bool dimmed = !enabled || inherited.dimmingIn == 0;
  const float opacity = inherited.opacity * opacity_ * (dimmed ? disabledOpacity_ : 1.0f);
  if (opacity <= 0.0f) return;
  canvas.Save();
  const Affine world = canvas.Transform() * LocalTransform();
  canvas.SetTransform(world);
  canvas.SetOpacity(opacity);
  if (!RectI::Covering(OwnSceneBounds(world).Inflated(1)).Intersect(canvas.Clip()).IsEmpty()) {
    if (!HidesClip(canvas))
      effects_.Paint(canvas, GlowActive(), size_, [this](Canvas& c) { DrawForEffects(c); });
    Paint(canvas);
  }
  const Inherited down{opacity, enabled,
                       inherited.dimmingIn > 0 ? inherited.dimmingIn - 1 : inherited.dimmingIn};
  for (size_t i = 0; i < children_.size(); ++i) children_[i]->Render(canvas, down);
  canvas.Restore();
}

}  // namespace toolkit
