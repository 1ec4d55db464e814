#include <gtest/gtest.h>

#include "common/command_output.h"
#include "common/win32/helpers.h"
#include "win/support/win_test_support.h"

namespace {

struct Capture {
  bool ran = false;
  std::wstring output;
  uint32_t exitCode = 12345;
};

Capture RunPrinter(const std::string& arguments, DWORD timeoutMs = kCommandTimeoutMs) {
  Capture capture;
  const std::string command = "cmd_printer.exe " + arguments;
  capture.ran = RunCommandCapture("", command, AnsiFromWide(WinTestDirectory()), capture.output,
                                  capture.exitCode, timeoutMs);
  return capture;
}

}  // namespace

TEST(RunCommandCapture, ChunksWithDelaysAndMixedLineBreaks) {
  const Capture capture =
      RunPrinter(R"(out:one\r\ntw sleep:250 out:o\nthree\r sleep:250 out:\nfour\r\n\nfive)");
  EXPECT_TRUE(capture.ran);
  EXPECT_EQ(capture.output, L"one\r\ntwo\r\nthree\r\nfour\r\n\r\nfive\r\n");
  EXPECT_EQ(capture.exitCode, 0u);
}

TEST(RunCommandCapture, CapturesStandardErrorAndTheExitCode) {
  const Capture capture = RunPrinter(R"(out:to-out\r\n err:to-err\r\n exit:7)");
  EXPECT_TRUE(capture.ran);
  EXPECT_EQ(capture.output, L"to-out\r\nto-err\r\n");
  EXPECT_EQ(capture.exitCode, 7u);
}

TEST(RunCommandCapture, TextAfterNulIsDropped) {
  const Capture capture = RunPrinter(R"(out:ab\0cd sleep:200 out:ef\r\n)");
  EXPECT_TRUE(capture.ran);
  EXPECT_EQ(capture.output, L"abef\r\n");
}

TEST(RunCommandCapture, DecodesTheAnsiCodePage) {
  ASSERT_EQ(GetACP(), 936u) << "the Wine tests run with the Chinese code page";
  // "没有运行" in code page 936, cut in the middle of a character between two writes.
  const Capture capture = RunPrinter(R"(out:\xC3\xBB\xD3 sleep:250 out:\xD0\xD4\xCB\xD0\xD0\r\n)");
  EXPECT_EQ(capture.output, L"没有运行\r\n");
}

TEST(RunCommandCapture, SeveralMegabytesAreReadToTheEndAndTheirFirstLinesKept) {
  const long bytes = 6 * 1024 * 1024;
  const Capture capture = RunPrinter("bulk:" + std::to_string(bytes) + " exit:3");
  ASSERT_TRUE(capture.ran);
  EXPECT_EQ(capture.exitCode, 3u);
  const long lines = CommandOutputLines::kDefaultMaxKeptLines;  // each line is 14 bytes
  EXPECT_EQ(capture.output.size(), static_cast<size_t>(lines * 14));
  EXPECT_EQ(capture.output.substr(0, 14), L"line 0000000\r\n");
  wchar_t last[32];
  swprintf(last, 32, L"line %07ld\r\n", lines - 1);
  EXPECT_EQ(capture.output.substr(capture.output.size() - 14), last);
}

TEST(RunCommandCapture, EndlessOutputIsEndedAtTheLimitAndKeptWithinTheBound) {
  const Capture capture = RunPrinter("flood:4096", 1500);
  EXPECT_FALSE(capture.ran);
  EXPECT_EQ(capture.exitCode, 0u);
  // How much arrived before the limit depends on the machine; never more than the bound.
  const size_t keptLines = CommandOutputLines::kDefaultMaxKeptBytes / 4096;
  EXPECT_LE(capture.output.size(), (keptLines + 1) * 4096);
  ASSERT_GT(capture.output.size(), 4096u);
  EXPECT_EQ(capture.output.substr(4092, 6), L"xx\r\nxx");
}

TEST(RunCommandCapture, MissingProgramFailsWithNothing) {
  Capture capture;
  capture.ran = RunCommandCapture("", "no_such_program_here.exe arg", "", capture.output, capture.exitCode);
  EXPECT_FALSE(capture.ran);
  EXPECT_EQ(capture.exitCode, 0u);
  EXPECT_TRUE(capture.output.empty());
}

TEST(RunCommandCapture, SilentProgramGivesEmptyOutput) {
  const Capture capture = RunPrinter("exit:0");
  EXPECT_TRUE(capture.ran);
  EXPECT_TRUE(capture.output.empty());
}

TEST(RunCommandCapture, HungProgramIsEndedAndCountsAsFailedKeepingItsOutput) {
  const Capture capture = RunPrinter(R"(out:partial\r\nhalf sleep:600000)", 1500);
  EXPECT_FALSE(capture.ran);
  EXPECT_EQ(capture.exitCode, 0u);
  EXPECT_EQ(capture.output, L"partial\r\nhalf\r\n");
}

TEST(RunCommandCapture, RunsInTheGivenDirectory) {
  TempFolder folder;
  WriteFileBytes(folder.File(L"marker.txt"), "here");
  // cmd_printer is found in the program's own folder; the working directory is the temp one.
  Capture capture;
  capture.ran = RunCommandCapture("", "cmd /c type marker.txt", AnsiFromWide(folder.Path()),
                                  capture.output, capture.exitCode);
  EXPECT_TRUE(capture.ran);
  EXPECT_EQ(capture.output, L"here\r\n");
}
