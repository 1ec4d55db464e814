#pragma once

#include <cstdint>
#include <functional>
#include <vector>

namespace toolkit {

class Animation;

// Drives running animations by elapsed system time. It asks its owner to run a 33 ms timer only
// while at least one running animation needs frames, and each tick advances those by the time
// since the previous tick, so a busy thread makes animations catch up rather than slow down.
// An endless animation that cannot be seen (an ancestor of its node hidden, or the window
// hidden) needs no frames: it waits unseen, without ticks, until it can be seen again.
class AnimationClock {
 public:
  static constexpr uint32_t kIntervalMs = 33;

  // `tickCount`: milliseconds of the system clock; `runningChanged`: start or stop the timer.
  AnimationClock(std::function<uint32_t()> tickCount, std::function<void(bool)> runningChanged)
      : tickCount_(std::move(tickCount)), runningChanged_(std::move(runningChanged)) {}

  void Add(Animation* animation);
  void Remove(Animation* animation);
  // Whether the timer runs.
  bool Running() const { return timerOn_; }
  // Whether any animation runs, seen or not.
  bool HasAnimations() const { return !animations_.empty(); }
  // Starts or stops the timer after something changed what can be seen.
  void Refresh();
  // One timer tick.
  void Tick();
  uint32_t Now() const { return tickCount_(); }
  int TickCount() const { return ticks_; }

 private:
  std::function<uint32_t()> tickCount_;
  std::function<void(bool)> runningChanged_;
  std::vector<Animation*> animations_;
  uint32_t lastTick_ = 0;
  bool timerOn_ = false;
  int ticks_ = 0;
};

}  // namespace toolkit
