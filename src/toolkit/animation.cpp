#include "toolkit/animation.h"

#include <algorithm>
#include <cmath>

#include "toolkit/node.h"
#include "toolkit/scene.h"

namespace toolkit {

double CurveValue(Curve curve, double u) {
  switch (curve) {
    case Curve::Linear:
      return u;
    case Curve::Back: {
      constexpr double s = 1.70158;
      return u * u * ((s + 1) * u - s);
    }
    case Curve::Quintic:
      return u * u * u * u * u;
  }
  return u;
}

double Ease(Curve curve, AnimationType type, double u) {
  u = std::clamp(u, 0.0, 1.0);
  switch (type) {
    case AnimationType::In:
      return CurveValue(curve, u);
    case AnimationType::Out:
      return 1 - CurveValue(curve, 1 - u);
    case AnimationType::InOut:
      return u < 0.5 ? CurveValue(curve, 2 * u) / 2 : 1 - CurveValue(curve, 2 - 2 * u) / 2;
  }
  return u;
}

Animation::~Animation() {
  if (Scene* scene = target_.GetScene()) scene->Clock().Remove(this);
}

void Animation::Start() {
  if (!target_.Visible()) return;
  Scene* scene = target_.GetScene();
  if (scene == nullptr) return;
  target_.Animations().EndOthersOn(*this);
  runInverse_ = inverse;
  elapsed_ = 0;
  PrepareRun();
  running_ = true;
  Apply(Ease(curve, type, runInverse_ ? 1.0 : 0.0));
  if (duration <= 0) {
    Finish();
    return;
  }
  scene->Clock().Add(this);
}

void Animation::Stop() {
  if (!running_) return;
  Apply(Ease(curve, type, runInverse_ ? 0.0 : 1.0));
  Finish();
}

void Animation::StopAtCurrent() {
  if (!running_) return;
  running_ = false;
  if (Scene* scene = target_.GetScene()) scene->Clock().Remove(this);
}

void Animation::Finish() {
  running_ = false;
  if (Scene* scene = target_.GetScene()) scene->Clock().Remove(this);
  if (onFinish) onFinish();
}

bool Animation::NeedsFrames() const {
  if (!running_ || !loop || !target_.Visible()) return running_;
  const Scene* scene = target_.GetScene();
  return scene != nullptr && scene->OnScreen() && target_.ShownInScene();
}

void Animation::Advance(double seconds) {
  if (!running_) return;
  if (!target_.Visible()) {
    Stop();
    return;
  }
  elapsed_ += seconds;
  if (elapsed_ >= duration && loop) {
    elapsed_ = std::fmod(elapsed_, duration);
  } else if (elapsed_ >= duration) {
    Stop();
    return;
  }
  const double u = elapsed_ / duration;
  Apply(Ease(curve, type, runInverse_ ? 1 - u : u));
}

bool Animation::Holds(const std::vector<StateCondition>& conditions, NodeState changed) const {
  if (conditions.empty()) return false;
  bool involved = false;
  for (const auto& c : conditions) {
    if (target_.State(c.state) != c.value) return false;
    involved = involved || c.state == changed;
  }
  return involved;
}

void Animation::OnStateChanged(NodeState changed) {
  if (Holds(trigger, changed)) {
    inverse = false;
    Start();
  } else if (Holds(triggerInverse, changed)) {
    inverse = true;
    Start();
  }
}

bool ReadProperty(const Node& node, const std::string& path, float& value) {
  return node.GetFloat(path, value);
}
bool ReadProperty(const Node& node, const std::string& path, Color& value) {
  return node.GetColor(path, value);
}
void WriteProperty(Node& node, const std::string& path, float value) { node.SetFloat(path, value); }
void WriteProperty(Node& node, const std::string& path, Color value) { node.SetColor(path, value); }
float Mix(float from, float to, double f) { return static_cast<float>(from + (to - from) * f); }
Color Mix(Color from, Color to, double f) { return LerpColor(from, to, static_cast<float>(f)); }

}  // namespace toolkit
