#pragma once

#include <memory>

#include "online/send_tj.h"
#include "online/usage_report.h"

// The window's side of the usage report: message 0x081B, which any program may post.
class UsageReporter {
 public:
  UsageReporter(ReportFacts& facts, std::shared_ptr<ReportContext> context)
      : facts_(facts), context_(std::move(context)) {}

  // Fills ReportParams anew and starts one report; ignored while the maximum runs already.
  void WMSendReport();

  TAMTJ ReportParams;

 private:
  ReportFacts& facts_;
  std::shared_ptr<ReportContext> context_;
};
