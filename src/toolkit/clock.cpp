#include "toolkit/clock.h"

#include <algorithm>

#include "toolkit/animation.h"

namespace toolkit {

void AnimationClock::Add(Animation* animation) {
  if (std::find(animations_.begin(), animations_.end(), animation) != animations_.end()) return;
  const bool wasRunning = Running();
  if (!wasRunning) lastTick_ = tickCount_();
  animations_.push_back(animation);
  if (!wasRunning && runningChanged_) runningChanged_(true);
}

void AnimationClock::Remove(Animation* animation) {
  const auto it = std::find(animations_.begin(), animations_.end(), animation);
  if (it == animations_.end()) return;
  animations_.erase(it);
  if (!Running() && runningChanged_) runningChanged_(false);
}

void AnimationClock::Tick() {
  if (!Running()) return;
  ++ticks_;
  const uint32_t now = tickCount_();
  const double elapsed = static_cast<double>(now - lastTick_) / 1000.0;
  lastTick_ = now;
  // Advancing may finish, start or delete animations: work on a copy, skipping removed ones.
  const std::vector<Animation*> current = animations_;
  for (Animation* a : current) {
    if (std::find(animations_.begin(), animations_.end(), a) != animations_.end())
      a->Advance(elapsed);
  }
}

}  // namespace toolkit
