#include "toolkit/input_hold.h"

namespace toolkit {

bool InputHold::Defer(std::function<void()> request) {
  if (!Held()) return false;
  deferred_.push_back(std::move(request));
  return true;
}

void InputHold::Release() {
  if (--count_ > 0) return;
  // A request may hold input again; what it defers waits for that hold's end.
  std::vector<std::function<void()>> requests;
  requests.swap(deferred_);
  for (auto& request : requests) request();
}

}  // namespace toolkit
