#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "toolkit/animation.h"

namespace toolkit {

// Whether two property paths name the same property (case does not matter).
bool PropertyPathIs(std::string_view path, std::string_view name);

// The animations a node owns: its lasting ones (rotations, state-triggered colours) and the
// one-shot runs of AnimateFloat, which are freed when they end. A property has one running
// animation: starting another one on it ends the one already running there, which keeps the
// value it reached (the latest start wins).
class AnimationSet {
 public:
  explicit AnimationSet(Node& owner) : owner_(owner) {}
  ~AnimationSet();
  AnimationSet(const AnimationSet&) = delete;
  AnimationSet& operator=(const AnimationSet&) = delete;

  FloatAnimation* AddFloat(std::string path);
  ColorAnimation* AddColor(std::string path);
  // `started` is about to run: the others running on its property end where they are.
  void EndOthersOn(const Animation& started);
  // Starts the triggered animations whose trigger now holds.
  void OnStateChanged(NodeState changed);
  // See Node::AnimateFloat and Node::AnimateFloatWait.
  void AnimateFloat(std::string path, float value, double seconds, AnimationType type, Curve curve);
  void AnimateFloatWait(std::string path, float value, double seconds, AnimationType type,
                        Curve curve);
  // Frees the one-shot runs that have ended.
  void ReleaseFinished();
  void Clear();

 private:
  FloatAnimation* AddOneShot(std::string path, float value, double seconds, AnimationType type,
                             Curve curve);
  void Remove(const Animation* animation);

  Node& owner_;
  std::vector<std::unique_ptr<Animation>> animations_;
  std::vector<Animation*> transient_;  // one-shot runs to free when they end
};

}  // namespace toolkit
