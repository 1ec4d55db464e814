#include <gtest/gtest.h>
#include <objbase.h>

#include "shell/win32/logon_task_win32.h"
#include "win/support/fake_task_scheduler.h"

// The logon task through the real COM path, against the fake Task Scheduler (which is built on
// the SDK's declarations of the interfaces, so each call shows it reached the published slot).
TEST(WindowsLogonTask, RegistersReplacesAndDeletesTheTaskInTheRootFolder) {
  ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
  {
    FakeTaskScheduler scheduler;
    WindowsLogonTask task;
    ASSERT_TRUE(task.Register(L"C:\\Programs\\Pelanto.exe"));
    ASSERT_TRUE(task.Register(L"C:\\Programs\\Pelanto.exe"));
    EXPECT_TRUE(scheduler.HasTask(L"Pelanto"));
    task.Delete();
    EXPECT_FALSE(scheduler.HasTask(L"Pelanto"));
    task.Delete();  // a missing task is no error
    scheduler.RefuseRegistrations();
    EXPECT_FALSE(task.Register(L"C:\\Programs\\Pelanto.exe"));

    // Create or update (6), interactive token (3), no user, password or security descriptor.
    const std::string registered = "RegisterTask Pelanto flags=6 logon=3 user=0 password=0 sddl=0";
    EXPECT_EQ(scheduler.Calls(),
              (std::vector<std::string>{registered, registered, "DeleteTask Pelanto flags=0",
                                        "DeleteTask Pelanto flags=0 missing",
                                        "RegisterTask Pelanto refused"}));
  }
  CoUninitialize();
}
