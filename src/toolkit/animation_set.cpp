#include "toolkit/animation_set.h"

#include <algorithm>
#include <cctype>

#include "toolkit/node.h"
#include "toolkit/scene.h"

namespace toolkit {

bool PropertyPathIs(std::string_view path, std::string_view name) {
  return path.size() == name.size() &&
         std::equal(path.begin(), path.end(), name.begin(), [](char a, char b) {
           return std::tolower(static_cast<unsigned char>(a)) ==
                  std::tolower(static_cast<unsigned char>(b));
         });
}

AnimationSet::~AnimationSet() { Clear(); }

void AnimationSet::Clear() {
  transient_.clear();
  animations_.clear();
}

FloatAnimation* AnimationSet::AddFloat(std::string path) {
  auto a = std::make_unique<FloatAnimation>(owner_, std::move(path));
  FloatAnimation* raw = a.get();
  animations_.push_back(std::move(a));
  return raw;
}

ColorAnimation* AnimationSet::AddColor(std::string path) {
  auto a = std::make_unique<ColorAnimation>(owner_, std::move(path));
  ColorAnimation* raw = a.get();
  animations_.push_back(std::move(a));
  return raw;
}

void AnimationSet::EndOthersOn(const Animation& started) {
  for (const auto& a : animations_) {
    if (a.get() != &started && a->Running() && PropertyPathIs(a->Path(), started.Path()))
      a->StopAtCurrent();
  }
}

void AnimationSet::OnStateChanged(NodeState changed) {
  // A triggered start may add nothing, but index anyway: handlers may add animations.
  for (size_t i = 0; i < animations_.size(); ++i) animations_[i]->OnStateChanged(changed);
}

void AnimationSet::Remove(const Animation* animation) {
  std::erase(transient_, animation);
  std::erase_if(animations_, [animation](const auto& a) { return a.get() == animation; });
}

void AnimationSet::ReleaseFinished() {
  const std::vector<Animation*> transient = transient_;
  for (Animation* a : transient) {
    if (!a->Running()) Remove(a);
  }
}

FloatAnimation* AnimationSet::AddOneShot(std::string path, float value, double seconds,
                                         AnimationType type, Curve curve) {
  FloatAnimation* a = AddFloat(std::move(path));
  a->startFromCurrent = true;
  a->stopValue = value;
  a->duration = seconds;
  a->type = type;
  a->curve = curve;
  return a;
}

void AnimationSet::AnimateFloat(std::string path, float value, double seconds, AnimationType type,
                                Curve curve) {
  FloatAnimation* a = AddOneShot(std::move(path), value, seconds, type, curve);
  transient_.push_back(a);
  a->Start();
  if (!a->Running()) Remove(a);
}

void AnimationSet::AnimateFloatWait(std::string path, float value, double seconds,
                                    AnimationType type, Curve curve) {
  FloatAnimation* a = AddOneShot(std::move(path), value, seconds, type, curve);
  a->Start();
  Scene* scene = owner_.GetScene();
  while (a->Running() && scene != nullptr && !scene->Host().IsEnding()) {
    scene->Host().DispatchPendingMessages();
  }
  // An ending application leaves the property at its end value rather than half-way.
  a->Stop();
  Remove(a);
}

}  // namespace toolkit
