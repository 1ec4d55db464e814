#pragma once

#include <functional>
#include <vector>

namespace toolkit {

// While the window thread waits for work that must run to its end (a console command the
// program's state depends on), the windows go on painting and can be dragged, but no control,
// key or tray item acts; requests that must not be lost (a close) are kept for the end.
class InputHold {
 public:
  // Holds input for its lifetime; scopes nest.
  class Scope {
   public:
    explicit Scope(InputHold& hold) : hold_(hold) { ++hold_.count_; }
    ~Scope() { hold_.Release(); }
    Scope(const Scope&) = delete;
    Scope& operator=(const Scope&) = delete;

   private:
    InputHold& hold_;
  };

  bool Held() const { return count_ > 0; }
  // While held, keeps `request` for the end of the outermost scope and returns true; otherwise
  // returns false and the caller acts now.
  bool Defer(std::function<void()> request);

 private:
  void Release();
  int count_ = 0;
  std::vector<std::function<void()>> deferred_;
};

}  // namespace toolkit
