#include "online/usage_reporter.h"

void UsageReporter::WMSendReport() {
  // A message that finds every place taken is dropped before anything is read.
  if (context_->Running() >= kMaxRunningReports) return;
  ReportParams._uid = facts_.Uid();
  ReportParams._c = L"1";
  ReportParams._v = facts_.ProgramVersion();
  ReportParams._ppm = L"1";
  sendTJ::create(context_, ReportParams._uid, ReportParams._c, ReportParams._v, ReportParams._ppm);
}
