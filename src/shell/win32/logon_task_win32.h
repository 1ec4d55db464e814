#pragma once

#include "shell/logon_task.h"

// The logon task in the Task Scheduler's root folder, for the current user. Needs COM on the
// calling thread.
class WindowsLogonTask : public LogonTask {
 public:
  bool Register(std::wstring_view executablePath) override;
  void Delete() override;
};
