#include <gtest/gtest.h>

#include <future>

#include "common/win32/helpers.h"
#include "win/support/win_test_support.h"

// Each box blocks the thread that shows it, so the boxes run on a worker thread while the
// test finds them and answers them as a user would.

TEST(MessageBoxes, InfoMessageWithoutCaptionIsTitledInformation) {
  auto shown = std::async(std::launch::async, [] { ShowInfoMessage(L"请先连接网络", L"", MB_ICONINFORMATION); });
  const MessageBoxSeen box = WaitForMessageBox(L"Information", GetCurrentProcessId());
  if (!box.window) CloseMessageBoxes(GetCurrentProcessId());
  ASSERT_NE(box.window, nullptr);
  EXPECT_EQ(box.text, L"请先连接网络");
  EXPECT_FALSE(box.hasCancel);
  PressButton(box.window, IDOK);
  EXPECT_EQ(shown.wait_for(std::chrono::seconds(10)), std::future_status::ready);
}

TEST(MessageBoxes, AskYesNoIsTrueOnlyForOk) {
  for (int answer : {IDOK, IDCANCEL, 0}) {
    auto asked = std::async(std::launch::async, [] { return AskYesNo(L"是否开机启动？", L"温馨提示："); });
    const MessageBoxSeen box = WaitForMessageBox(L"温馨提示：", GetCurrentProcessId());
    if (!box.window) CloseMessageBoxes(GetCurrentProcessId());
    ASSERT_NE(box.window, nullptr);
    EXPECT_EQ(box.text, L"是否开机启动？");
    EXPECT_TRUE(box.hasCancel);
    if (answer == 0) {
      PressEscape(box.window);
    } else {
      PressButton(box.window, answer);
    }
    ASSERT_EQ(asked.wait_for(std::chrono::seconds(10)), std::future_status::ready);
    EXPECT_EQ(asked.get(), answer == IDOK) << "answer " << answer;
  }
}

TEST(MessageBoxes, ErrorBoxIsCaptionedWithTheApplicationTitle) {
  auto shown = std::async(std::launch::async, [] { ShowErrorBox(L"Connection refused"); });
  // This test program is win_common.exe; the title keeps its first letter as it is.
  const MessageBoxSeen box = WaitForMessageBox(L"win_common", GetCurrentProcessId());
  if (!box.window) CloseMessageBoxes(GetCurrentProcessId());
  ASSERT_NE(box.window, nullptr);
  EXPECT_EQ(box.text, L"Connection refused.");
  PressButton(box.window, IDOK);
  EXPECT_EQ(shown.wait_for(std::chrono::seconds(10)), std::future_status::ready);
}

