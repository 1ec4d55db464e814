#pragma once

#include <string>
#include <vector>

#include "win/support/win_test_support.h"

// The fake Task Scheduler (tests/fakes/task_scheduler) registered under CLSID_TaskScheduler in
// the test prefix for the object's life, with its folder of tasks in PELANTO_FAKE_TASKS_DIR for
// this process and the programs it starts. The prefix's own registration comes back afterwards.
class FakeTaskScheduler {
 public:
  FakeTaskScheduler();
  ~FakeTaskScheduler();
  FakeTaskScheduler(const FakeTaskScheduler&) = delete;
  FakeTaskScheduler& operator=(const FakeTaskScheduler&) = delete;

  // "RegisterTask <name> flags=.. logon=.. user=<vt> password=<vt> sddl=<vt>",
  // "DeleteTask <name> flags=..[ missing]", one per call.
  std::vector<std::string> Calls() const;
  bool HasTask(const std::wstring& name) const;
  // Registrations fail from now on.
  void RefuseRegistrations();

 private:
  TempFolder folder_;
  std::wstring previousServer_;
};
