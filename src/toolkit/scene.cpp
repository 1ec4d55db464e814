#include "toolkit/scene.h"

#include <algorithm>
#include <cmath>

namespace toolkit {

Scene::Scene(SizeF size, FontLibrary& fonts, SceneHost& host)
    : size_(size),
      fonts_(fonts),
      host_(&host),
      clock_([this] { return host_->TickCount(); },
             [this](bool running) { host_->SetClockRunning(running); }),
      root_(std::make_unique<Node>("Root")) {
  root_->scene_ = this;
  root_->SetSize(size);
  AddDamage(
      {0, 0, static_cast<int>(std::ceil(size.width)), static_cast<int>(std::ceil(size.height))});
}

Scene::~Scene() { root_.reset(); }

void Scene::AddDamage(const RectI& area) {
  const RectI bounds{0, 0, static_cast<int>(std::ceil(size_.width)),
                     static_cast<int>(std::ceil(size_.height))};
  const RectI clipped = area.Intersect(bounds);
  if (clipped.IsEmpty()) return;
  const bool first = damage_.IsEmpty();
  damage_ = damage_.Union(clipped);
  if (first) host_->RequestRender();
}

RectI Scene::Render(Bitmap& target) {
  // Effects whose subtree changed may reach beyond the damage: they add theirs first.
  root_->RefreshEffects();
  const RectI area = damage_.Intersect(target.Bounds());
  damage_ = {};
  if (area.IsEmpty()) return {};
  Canvas canvas(target);
  canvas.IntersectClip(area);
  canvas.Clear();
  root_->Render(canvas, {1.0f, true, enabled_ ? Node::kNoDimming : 2});
  ++renders_;
  return area;
}

void Scene::RenderAll(Bitmap& target) {
  AddDamage(target.Bounds());
  Render(target);
}

void Scene::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  if (!enabled) {
    CaptureLost();
    MouseLeave();
  }
  root_->Invalidate();
}

void Scene::SetOnScreen(bool onScreen) {
  if (onScreen == onScreen_) return;
  onScreen_ = onScreen;
  clock_.Refresh();
}

void Scene::Tick() {
  clock_.Tick();
  root_->ReleaseFinishedAnimations();
}

void Scene::SetLiveNode(Node* node) {
  if (node == liveNode_) return;
  // The window shows the old area its usual way again.
  AddDamage(LiveArea());
  liveNode_ = node;
}

RectI Scene::LiveArea() const {
  for (const Node* n = liveNode_; n != nullptr; n = n->Parent()) {
    if (!n->Visible()) return {};
  }
  if (liveNode_ == nullptr) return {};
  const RectI whole{0, 0, static_cast<int>(std::ceil(size_.width)),
                    static_cast<int>(std::ceil(size_.height))};
  return RectI::Covering(liveNode_->SceneBounds().Inflated(1)).Intersect(whole);
}

void Scene::Forget(Node* node) {
  if (liveNode_ == node) liveNode_ = nullptr;
  if (pressed_ == node) pressed_ = nullptr;
  if (hovered_ == node) hovered_ = nullptr;
  if (focused_ == node) focused_ = nullptr;
}

Node* Scene::NodeAt(PointF point) { return NodeAt(*root_, point, TakesInput()); }

Node* Scene::NodeAt(Node& node, PointF point, bool parentEnabled) {
  if (!node.visible_) return nullptr;
  const bool enabled = parentEnabled && node.enabled_;
  for (auto it = node.children_.rbegin(); it != node.children_.rend(); ++it) {
    if (Node* hit = NodeAt(**it, point, enabled)) return hit;
  }
  if (enabled && node.hitTest_ && node.ContainsPoint(node.FromScene(point))) return &node;
  return nullptr;
}

void Scene::MouseDown(PointF point, MouseButton button, Modifiers modifiers) {
  host_->ShowTooltip({}, point);
  if (pressed_ != nullptr || dragging_) return;
  Node* target = NodeAt(point);
  if (target == nullptr) {
    dragging_ = true;
    dragOrigin_ = point;
    host_->SetMouseCapture(true);
    return;
  }
  pressed_ = target;
  host_->SetMouseCapture(true);
  if (target->CanFocus()) SetFocus(target);
  if (button == MouseButton::Left) target->SetState(NodeState::Pressed, true);
  if (pressed_ != nullptr)
    pressed_->OnMouseDown({target->FromScene(point), point, button, modifiers});
}

void Scene::MouseMove(PointF point, Modifiers modifiers) {
  if (dragging_) {
    const int dx = static_cast<int>(std::lround(point.x - dragOrigin_.x));
    const int dy = static_cast<int>(std::lround(point.y - dragOrigin_.y));
    if (dx != 0 || dy != 0) host_->MoveWindowBy(dx, dy);
    return;
  }
  if (pressed_ != nullptr) {
    Node* target = pressed_;
    target->SetState(NodeState::MouseOver, target->ContainsPoint(target->FromScene(point)));
    target->OnMouseMove({target->FromScene(point), point, MouseButton::Left, modifiers});
    return;
  }
  UpdateHover(point);
  if (hovered_ != nullptr)
    hovered_->OnMouseMove({hovered_->FromScene(point), point, MouseButton::Left, modifiers});
}

void Scene::UpdateHover(PointF point) {
  Node* now = NodeAt(point);
  if (now == hovered_) return;
  Node* before = hovered_;
  hovered_ = now;
  if (before != nullptr) {
    before->SetState(NodeState::MouseOver, false);
    before->OnMouseLeave();
  }
  if (now != nullptr) {
    now->SetState(NodeState::MouseOver, true);
    now->OnMouseEnter();
  }
  host_->SetCursor(now != nullptr ? now->GetCursor() : Cursor::Arrow);
  host_->ShowTooltip(now != nullptr ? now->Tooltip() : std::wstring{}, point);
}

void Scene::MouseUp(PointF point, MouseButton button, Modifiers modifiers) {
  if (dragging_) {
    dragging_ = false;
    host_->SetMouseCapture(false);
    return;
  }
  Node* target = pressed_;
  if (target == nullptr) return;
  // Cleared first: a click handler may dispatch messages and take new presses meanwhile.
  pressed_ = nullptr;
  host_->SetMouseCapture(false);
  const bool inside = target->ContainsPoint(target->FromScene(point));
  target->SetState(NodeState::Pressed, false);
  target->OnMouseUp({target->FromScene(point), point, button, modifiers});
  UpdateHover(point);
  if (!inside || !target->IsShown() || !target->IsEffectivelyEnabled() || !TakesInput()) return;
  if (button == MouseButton::Left) {
    target->OnClick();
  } else if (button == MouseButton::Right) {
    target->OnContextRequest();
  }
}

void Scene::CaptureLost() {
  dragging_ = false;
  Node* target = pressed_;
  if (target == nullptr) return;
  pressed_ = nullptr;
  target->SetState(NodeState::Pressed, false);
  target->SetState(NodeState::MouseOver, false);
  if (hovered_ == target) {
    hovered_ = nullptr;
    target->OnMouseLeave();
  }
}

void Scene::MouseLeave() {
  if (dragging_ || pressed_ != nullptr) return;
  if (hovered_ != nullptr) {
    Node* before = hovered_;
    hovered_ = nullptr;
    before->SetState(NodeState::MouseOver, false);
    before->OnMouseLeave();
  }
  host_->ShowTooltip({}, {});
}

void Scene::MouseWheel(PointF point, float notches) {
  for (Node* n = NodeAt(point); n != nullptr; n = n->Parent()) {
    if (n->OnMouseWheel(notches)) return;
  }
}

Node* Scene::RoleNode(Node& node, KeyRole role) {
  if (!TakesInput() || !node.visible_ || !node.enabled_) return nullptr;
  if (node.role_ == role) return &node;
  for (auto& child : node.children_) {
    if (Node* found = RoleNode(*child, role)) return found;
  }
  return nullptr;
}

bool Scene::KeyDown(uint16_t key, Modifiers modifiers) {
  swallowChar_ = false;
  if (!TakesInput()) return false;
  if (onKeyPreview && onKeyPreview(key, modifiers)) {
    swallowChar_ = true;
    return true;
  }
  if (focused_ != nullptr && (!focused_->IsShown() || !focused_->IsEffectivelyEnabled()))
    SetFocus(nullptr);
  if ((key == keys::kReturn || key == keys::kEscape) && !modifiers.alt) {
    if (Node* button =
            RoleNode(*root_, key == keys::kReturn ? KeyRole::Default : KeyRole::Cancel)) {
      swallowChar_ = true;
      button->OnClick();
      return true;
    }
  }
  if (key == keys::kTab && !modifiers.control && !modifiers.alt) {
    swallowChar_ = true;
    FocusNext(modifiers.shift);
    return true;
  }
  if (focused_ == nullptr) return false;
  if (key == keys::kApps) {
    focused_->OnContextRequest();
    return true;
  }
  uint16_t k = key;
  focused_->OnKeyDown(k, modifiers);
  return k == 0;
}

void Scene::Char(wchar_t ch) {
  if (swallowChar_) {
    swallowChar_ = false;
    return;
  }
  if (TakesInput() && focused_ != nullptr && focused_->IsShown() && focused_->IsEffectivelyEnabled())
    focused_->OnChar(ch);
}

void Scene::Deactivate() {
  if (onDeactivate) onDeactivate();
}

void Scene::SetFocus(Node* node) {
  if (node == focused_) return;
  Node* before = focused_;
  focused_ = node;
  if (before != nullptr) {
    before->SetState(NodeState::Focused, false);
    before->OnFocusChanged(false);
  }
  if (node != nullptr) {
    node->SetState(NodeState::Focused, true);
    node->OnFocusChanged(true);
  }
}

void Scene::CollectFocusable(Node& node, std::vector<Node*>& out) {
  if (!TakesInput() || !node.visible_ || !node.enabled_) return;
  if (node.canFocus_) out.push_back(&node);
  std::vector<Node*> children;
  for (auto& c : node.children_) children.push_back(c.get());
  std::stable_sort(children.begin(), children.end(),
                   [](const Node* a, const Node* b) { return a->tabOrder_ < b->tabOrder_; });
  for (Node* c : children) CollectFocusable(*c, out);
}

void Scene::FocusNext(bool backwards) {
  std::vector<Node*> order;
  CollectFocusable(*root_, order);
  if (order.empty()) return;
  const auto it = std::find(order.begin(), order.end(), focused_);
  if (it == order.end()) {
    SetFocus(backwards ? order.back() : order.front());
    return;
  }
  const auto index = static_cast<size_t>(it - order.begin());
  const size_t n = order.size();
  SetFocus(order[backwards ? (index + n - 1) % n : (index + 1) % n]);
}

}  // namespace toolkit
