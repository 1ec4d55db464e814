#include "toolkit/node.h"

#include <strings.h>

#include <algorithm>
#include <cmath>

#include "toolkit/scene.h"

namespace toolkit {
namespace {

bool PathIs(std::string_view path, std::string_view name) {
  return path.size() == name.size() &&
         std::equal(path.begin(), path.end(), name.begin(), [](char a, char b) {
           return std::tolower(static_cast<unsigned char>(a)) ==
                  std::tolower(static_cast<unsigned char>(b));
         });
}

unsigned Bit(NodeState s) { return 1u << static_cast<unsigned>(s); }

// A silhouette of the node's own content, blurred and tinted, with its placement.
struct BlurredPicture {
  Bitmap pixels;
  RectF place;  // in local coordinates
};

}  // namespace

struct Node::EffectCache {
  std::optional<BlurredPicture> glow;
  std::optional<BlurredPicture> shadow;
};

int GlowEffect::BlurRadius() const { return static_cast<int>(std::lround(softness * 10 + 5)); }
int GlowEffect::Extent() const { return static_cast<int>(std::lround(softness * 23)) + 4; }

Node::Node(std::string name) : name_(std::move(name)) {}

Node::~Node() {
  animations_.clear();
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
  effectCache_.reset();
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
  return true;
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
  glow_ = std::move(glow);
  effectCache_.reset();
  Invalidate();
}

void Node::SetShadow(std::optional<ShadowEffect> shadow) {
  Invalidate();
  shadow_ = std::move(shadow);
  effectCache_.reset();
  Invalidate();
}

bool Node::State(NodeState state) const { return (states_ & Bit(state)) != 0; }

void Node::SetState(NodeState state, bool on) {
  if (State(state) == on) return;
  const bool glowBefore = GlowActive();
  if (glowBefore) Invalidate();
  states_ = on ? states_ | Bit(state) : states_ & ~Bit(state);
  if (!glowBefore && GlowActive()) Invalidate();
  for (size_t i = 0; i < animations_.size(); ++i) animations_[i]->OnStateChanged(state);
  OnStateChanged(state);
}

bool Node::GlowActive() const { return glow_ && (!glow_->whileState || State(*glow_->whileState)); }

FloatAnimation* Node::AddFloatAnimation(std::string path) {
  auto a = std::make_unique<FloatAnimation>(*this, std::move(path));
  FloatAnimation* raw = a.get();
  animations_.push_back(std::move(a));
  return raw;
}

ColorAnimation* Node::AddColorAnimation(std::string path) {
  auto a = std::make_unique<ColorAnimation>(*this, std::move(path));
  ColorAnimation* raw = a.get();
  animations_.push_back(std::move(a));
  return raw;
}

void Node::ReleaseFinishedAnimations() {
  for (auto it = transient_.begin(); it != transient_.end();) {
    if ((*it)->Running()) {
      ++it;
      continue;
    }
    Animation* done = *it;
    it = transient_.erase(it);
    std::erase_if(animations_, [done](const auto& a) { return a.get() == done; });
  }
  for (auto& child : children_) child->ReleaseFinishedAnimations();
}

FloatAnimation* Node::AddOneShot(std::string path, float value, double seconds, AnimationType type,
                                 Curve curve) {
  FloatAnimation* a = AddFloatAnimation(std::move(path));
  a->startFromCurrent = true;
  a->stopValue = value;
  a->duration = seconds;
  a->type = type;
  a->curve = curve;
  return a;
}

void Node::AnimateFloat(std::string path, float value, double seconds, AnimationType type,
                        Curve curve) {
  FloatAnimation* a = AddOneShot(std::move(path), value, seconds, type, curve);
  transient_.push_back(a);
  a->Start();
  if (!a->Running()) ReleaseFinishedAnimations();
}

void Node::AnimateFloatWait(std::string path, float value, double seconds, AnimationType type,
                            Curve curve) {
  FloatAnimation* a = AddOneShot(std::move(path), value, seconds, type, curve);
  a->Start();
  Scene* scene = GetScene();
  while (a->Running() && scene != nullptr && !scene->Host().IsEnding()) {
    scene->Host().DispatchPendingMessages();
  }
  // An ending application leaves the property at its end value rather than half-way.
  a->Stop();
  std::erase_if(animations_, [a](const auto& p) { return p.get() == a; });
}

bool Node::GetFloat(std::string_view path, float& value) const {
  if (PathIs(path, "Opacity"))
    value = opacity_;
  else if (PathIs(path, "Position.x"))
    value = position_.x;
  else if (PathIs(path, "Position.y"))
    value = position_.y;
  else if (PathIs(path, "RotationAngle"))
    value = rotation_;
  else if (PathIs(path, "Width") || PathIs(path, "Size.Width"))
    value = size_.width;
  else if (PathIs(path, "Height") || PathIs(path, "Size.Height"))
    value = size_.height;
  else
    return false;
  return true;
}

bool Node::SetFloat(std::string_view path, float value) {
  if (PathIs(path, "Opacity"))
    SetOpacity(value);
  else if (PathIs(path, "Position.x"))
    SetX(value);
  else if (PathIs(path, "Position.y"))
    SetY(value);
  else if (PathIs(path, "RotationAngle"))
    SetRotationAngle(value);
  else if (PathIs(path, "Width") || PathIs(path, "Size.Width"))
    SetSize({value, size_.height});
  else if (PathIs(path, "Height") || PathIs(path, "Size.Height"))
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

float Node::EffectExtent() const {
  float extent = 0;
  if (GlowActive()) extent = static_cast<float>(glow_->Extent());
  if (shadow_) {
    const GlowEffect asGlow{shadow_->color, 1, shadow_->softness, {}};
    extent = std::max(extent, static_cast<float>(asGlow.Extent()) + shadow_->distance);
  }
  return extent;
}

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
  Scene* scene = GetScene();
  if (scene == nullptr || !IsShown()) return;
  // A little slack covers anti-aliased edges that straddle the bounds.
  scene->AddDamage(RectI::Covering(SceneBounds().Inflated(1)));
}

void Node::ContentChanged() {
  effectCache_.reset();
  Invalidate();
}

void Node::Paint(Canvas&) {}

void Node::OnClick() {
  if (onClick) onClick();
}

void Node::OnContextRequest() {
  if (onContextRequest) onContextRequest();
}

namespace {

BlurredPicture BlurSilhouette(const Bitmap& silhouette, int radius, Color color, float opacity) {
  Mask mask;
  mask.bounds = silhouette.Bounds();
  mask.coverage.resize(static_cast<size_t>(silhouette.Width()) * silhouette.Height());
  for (size_t i = 0; i < mask.coverage.size(); ++i)
    mask.coverage[i] = static_cast<uint8_t>(silhouette.Data()[i] >> 24);
  BlurMask(mask, radius);
  Bitmap tinted(mask.bounds.Width(), mask.bounds.Height());
  const uint32_t pixel = PremultipliedPixel(color, opacity);
  for (size_t i = 0; i < mask.coverage.size(); ++i)
    tinted.Data()[i] = BlendOver(0, pixel, mask.coverage[i]);
  return {std::move(tinted),
          RectF{static_cast<float>(mask.bounds.left), static_cast<float>(mask.bounds.top),
                static_cast<float>(mask.bounds.right), static_cast<float>(mask.bounds.bottom)}};
}

}  // namespace

void Node::PaintEffects(Canvas& canvas) {
  const bool glow = GlowActive();
  if (!glow && !shadow_) return;
  if (!effectCache_) effectCache_ = std::make_unique<EffectCache>();
  auto silhouette = [this] {
    Bitmap pixels(static_cast<int>(std::ceil(size_.width)),
                  static_cast<int>(std::ceil(size_.height)));
    Canvas offscreen(pixels);
    Paint(offscreen);
    return pixels;
  };
  if (shadow_) {
    if (!effectCache_->shadow) {
      const GlowEffect blur{shadow_->color, shadow_->opacity, shadow_->softness, {}};
      effectCache_->shadow =
          BlurSilhouette(silhouette(), blur.BlurRadius(), shadow_->color, shadow_->opacity);
    }
    const float angle = shadow_->directionDegrees * 3.14159265f / 180.0f;
    const RectF place = effectCache_->shadow->place.Offset(shadow_->distance * std::cos(angle),
                                                           shadow_->distance * std::sin(angle));
    canvas.DrawImage(effectCache_->shadow->pixels, place);
  }
  if (glow) {
    if (!effectCache_->glow) {
      effectCache_->glow =
          BlurSilhouette(silhouette(), glow_->BlurRadius(), glow_->color, glow_->opacity);
    }
    canvas.DrawImage(effectCache_->glow->pixels, effectCache_->glow->place);
  }
}

void Node::Render(Canvas& canvas, float parentOpacity, bool parentEnabled) {
  if (!visible_) return;
  const bool enabled = parentEnabled && enabled_;
  const float opacity = parentOpacity * opacity_ * (enabled ? 1.0f : disabledOpacity_);
  if (opacity <= 0.0f) return;
  canvas.Save();
  const Affine world = canvas.Transform() * LocalTransform();
  canvas.SetTransform(world);
  canvas.SetOpacity(opacity);
  if (!RectI::Covering(OwnSceneBounds(world).Inflated(1)).Intersect(canvas.Clip()).IsEmpty()) {
    PaintEffects(canvas);
    Paint(canvas);
  }
  for (size_t i = 0; i < children_.size(); ++i) children_[i]->Render(canvas, opacity, enabled);
  canvas.Restore();
}

}  // namespace toolkit
