#pragma once

#include <condition_variable>
#include <memory>
#include <mutex>
#include <string>

#include "online/report_services.h"

// At most this many reports run at once; any other program may post the report message,
// and a flood of them must not exhaust the process.
inline constexpr int kMaxRunningReports = 8;

// Shared by every report thread; kept alive by the threads still running.
class ReportContext {
 public:
  explicit ReportContext(std::unique_ptr<ReportServices> services)
      : services_(std::move(services)) {}
  ReportServices& Services() { return *services_; }

  // Takes one of the report places; false when all are taken.
  bool TryTakePlace();
  void ReleasePlace();
  int Running();
  // For tests and orderly shutdown: waits until no report runs.
  void WaitUntilIdle();

 private:
  std::unique_ptr<ReportServices> services_;
  std::mutex mutex_;
  std::condition_variable idle_;
  int running_ = 0;
};

// The report thread: runs once, swallows every failure and frees itself when done.
class sendTJ {
 public:
  // Copies the four values and starts the thread at once. False, and nothing started, when
  // the maximum of reports is running already or no thread could be started.
  static bool create(const std::shared_ptr<ReportContext>& context, std::wstring uid,
                     std::wstring c, std::wstring v, std::wstring ppm);

 private:
  sendTJ(std::shared_ptr<ReportContext> context, std::wstring uid, std::wstring c, std::wstring v,
         std::wstring ppm);
  void Execute() noexcept;

  std::shared_ptr<ReportContext> context_;
  std::wstring uid;
  std::wstring c;
  std::wstring v;
  std::wstring ppm;
};
