#pragma once

#include <string_view>

// The Task Scheduler's logon task of the program. The Run value alone does not start an
// elevated program at logon (UAC skips it), so the task goes wherever that value goes.
class LogonTask {
 public:
  virtual ~LogonTask() = default;
  // Registers the task, or replaces one of the same name, to start `executablePath` with
  // "-auto" at the current user's logon; false when that failed.
  virtual bool Register(std::wstring_view executablePath) = 0;
  // Deletes the task; a missing task is no error.
  virtual void Delete() = 0;
};

inline constexpr wchar_t kLogonTaskName[] = L"Pelanto";
// The name a failed registration reports, beside the registry values' names.
inline constexpr wchar_t kLogonTaskDataName[] = L"Pelanto task";
