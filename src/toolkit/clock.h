#pragma once

#include <cstdint>
#include <functional>
#include <vector>

namespace toolkit {

class Animation;

// Drives running animations by elapsed system time. It asks its owner to run a 33 ms timer only
// while at least one animation runs, and each tick advances every animation by the time since
// the previous tick, so a busy thread makes animations catch up rather than slow down.
class AnimationClock {
 public:
  static constexpr uint32_t kIntervalMs = 33;

  // `tickCount`: milliseconds of the system clock; `runningChanged`: start or stop the timer.
  AnimationClock(std::function<uint32_t()> tickCount, std::function<void(bool)> runningChanged)
      : tickCount_(std::move(tickCount)), runningChanged_(std::move(runningChanged)) {}

  void Add(Animation* animation);
  void Remove(Animation* animation);
  bool Running() const { return !animations_.empty(); }
  // One timer tick.
  void Tick();
  uint32_t Now() const { return tickCount_(); }
  int TickCount() const { return ticks_; }

 private:
  std::function<uint32_t()> tickCount_;
  std::function<void(bool)> runningChanged_;
  std::vector<Animation*> animations_;
  uint32_t lastTick_ = 0;
  int ticks_ = 0;
};

}  // namespace toolkit
