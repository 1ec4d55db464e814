#pragma once

#include <functional>
#include <string>
#include <vector>

#include "toolkit/color.h"

namespace toolkit {

class Node;

// The easing curves: linear f(u) = u; back f(u) = u^2((s+1)u - s), s = 1.70158; quintic f(u) = u^5.
enum class Curve { Linear, Back, Quintic };
// In applies the curve as it is; Out mirrors it; InOut uses In for the first half, Out after.
enum class AnimationType { In, Out, InOut };

double CurveValue(Curve curve, double u);
double Ease(Curve curve, AnimationType type, double u);

// States a node can be in; animations may be triggered by their changes.
enum class NodeState { MouseOver, Pressed, Focused, Checked, Open };

struct StateCondition {
  NodeState state;
  bool value;
};

// A change of one property (named by a dotted path such as "Opacity", "Position.x",
// "RotationAngle", "Fill.Color") of its target node over time, driven by the scene's clock.
// Owned by its target node. An animation of a node whose own visibility flag is off does not
// start, and one whose node is hidden while it runs jumps to its end at the next tick.
class Animation {
 public:
  Animation(Node& target, std::string path) : target_(target), path_(std::move(path)) {}
  virtual ~Animation();
  Animation(const Animation&) = delete;
  Animation& operator=(const Animation&) = delete;

  double duration = 0.2;  // seconds
  Curve curve = Curve::Linear;
  AnimationType type = AnimationType::In;
  bool loop = false;     // start again from the same start value after each run
  bool inverse = false;  // run from the end value back to the start value
  // Starts forward when a state change makes all of these true.
  std::vector<StateCondition> trigger;
  // Starts backwards (inverse) when a state change makes all of these true.
  std::vector<StateCondition> triggerInverse;
  std::function<void()> onFinish;

  Node& Target() const { return target_; }
  const std::string& Path() const { return path_; }
  void Start();
  // Ends the run at once with the property at its end value.
  void Stop();
  // Ends the run leaving the property where it is.
  void StopAtCurrent();
  bool Running() const { return running_; }
  // Whether the clock must tick for it: a one-shot run always (it has to end), an endless one
  // only while it can be seen, or once more to stop after its own node was hidden.
  bool NeedsFrames() const;
  // Moves the run on by `seconds` (called by the clock).
  void Advance(double seconds);
  // Starts the animation when `changed` takes part in a trigger that now holds.
  void OnStateChanged(NodeState changed);

 protected:
  // Reads the start value when needed, at the start of every run (not of every loop).
  virtual void PrepareRun() {}
  // Sets the property for eased progress `f` (0 at the start value, 1 at the end value).
  virtual void Apply(double f) = 0;

 private:
  bool Holds(const std::vector<StateCondition>& conditions, NodeState changed) const;
  void Finish();

  Node& target_;
  std::string path_;
  bool running_ = false;
  bool runInverse_ = false;
  double elapsed_ = 0;
};

// Reading and writing a property of either kind by path (false for an unknown path).
bool ReadProperty(const Node& node, const std::string& path, float& value);
bool ReadProperty(const Node& node, const std::string& path, Color& value);
void WriteProperty(Node& node, const std::string& path, float value);
void WriteProperty(Node& node, const std::string& path, Color value);
float Mix(float from, float to, double f);
Color Mix(Color from, Color to, double f);

// An animation of a float or colour property from a start value to a stop value.
template <class Value>
class ValueAnimation : public Animation {
 public:
  using Animation::Animation;
  Value startValue{};
  Value stopValue{};
  // Take the property's value at each start as the start value.
  bool startFromCurrent = false;

 protected:
  void PrepareRun() override {
    from_ = startValue;
    if (startFromCurrent) ReadProperty(Target(), Path(), from_);
  }
  void Apply(double f) override { WriteProperty(Target(), Path(), Mix(from_, stopValue, f)); }

 private:
  Value from_{};
};

using FloatAnimation = ValueAnimation<float>;
using ColorAnimation = ValueAnimation<Color>;

}  // namespace toolkit
