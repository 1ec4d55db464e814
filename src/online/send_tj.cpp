#include "online/send_tj.h"

#include <system_error>
#include <thread>

#include "online/usage_report.h"

bool ReportContext::TryTakePlace() {
  std::lock_guard lock(mutex_);
  if (running_ >= kMaxRunningReports) return false;
  ++running_;
  return true;
}

void ReportContext::ReleasePlace() {
  std::lock_guard lock(mutex_);
  --running_;
  idle_.notify_all();
}

int ReportContext::Running() {
  std::lock_guard lock(mutex_);
  return running_;
}

void ReportContext::WaitUntilIdle() {
  std::unique_lock lock(mutex_);
  idle_.wait(lock, [&] { return running_ == 0; });
}

sendTJ::sendTJ(std::shared_ptr<ReportContext> context, std::wstring uid, std::wstring c,
               std::wstring v, std::wstring ppm)
    : context_(std::move(context)),
      uid(std::move(uid)),
      c(std::move(c)),
      v(std::move(v)),
      ppm(std::move(ppm)) {}

bool sendTJ::create(const std::shared_ptr<ReportContext>& context, std::wstring uid, std::wstring c,
                    std::wstring v, std::wstring ppm) {
  if (!context->TryTakePlace()) return false;
  std::unique_ptr<sendTJ> report(
      new sendTJ(context, std::move(uid), std::move(c), std::move(v), std::move(ppm)));
  try {
    std::thread([report = std::move(report)]() mutable {
      report->Execute();
      const std::shared_ptr<ReportContext> context = std::move(report->context_);
      report.reset();
      context->ReleasePlace();
    }).detach();
  } catch (const std::system_error&) {
    context->ReleasePlace();
    return false;
  }
  return true;
}

void sendTJ::Execute() noexcept {
  try {
    ReportServices& services = context_->Services();
    const std::unique_ptr<HttpConnector> connector = services.MakeConnector();
    HttpClient client(*connector);
    SendUsageReport(client, TAMTJ{uid, c, v, ppm}, services.MacAddress(), services.StatsHost());
  } catch (...) {
    // A report that fails ends silently: nothing is shown, retried or kept.
  }
}
