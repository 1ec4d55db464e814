#include "toolkit/clock.h"

#include <algorithm>

#include "toolkit/animation.h"

namespace toolkit {

void AnimationClock::Add(Animation* animation) {
  if (std::find(animations_.begin(), animations_.end(), animation) != animations_.end()) return;
  animations_.push_back(animation);
  Refresh();
}

void AnimationClock::Remove(Animation* animation) {
  const auto it = std::find(animations_.begin(), animations_.end(), animation);
  if (it == animations_.end()) return;
  animations_.erase(it);
  Refresh();
}

void AnimationClock::Refresh() {
  const bool wanted = std::any_of(animations_.begin(), animations_.end(),
                                  [](const Animation* a) { return a->NeedsFrames(); });
  if (wanted == timerOn_) return;
  timerOn_ = wanted;
  // Time spent unseen is not caught up: the first tick moves on from now.
  if (wanted) lastTick_ = tickCount_();
  if (runningChanged_) runningChanged_(wanted);
}

void AnimationClock::Tick() {
  if (!timerOn_) return;
  ++ticks_;
  const uint32_t now = tickCount_();
  const double elapsed = static_cast<double>(now - lastTick_) / 1000.0;
  lastTick_ = now;
  // Advancing may finish, start or delete animations: work on a copy, skipping removed ones.
  const std::vector<Animation*> current = animations_;
  for (Animation* a : current) {
    if (std::find(animations_.begin(), animations_.end(), a) != animations_.end() &&
        a->NeedsFrames()) {
      a->Advance(elapsed);
    }
  }
}

}  // namespace toolkit
