#pragma once

#include <string>
#include <string_view>

#include "online/asio_connector.h"
#include "online/usage_reporter.h"

// MAC text of the adapter behind the index-th NetBIOS adapter entry; empty when unusable.
std::wstring GetMacAddress(int index);

// Version text of the file: empty without a version block, "-1" when reading it fails.
std::wstring GetFileVersion(std::wstring_view path);

// The report as the window starts it on message 0x081B: registry, executable and network
// of this machine.
class WindowsUsageReport {
 public:
  WindowsUsageReport();
  void WMSendReport() { reporter_.WMSendReport(); }
  ReportContext& Context() { return *context_; }

 private:
  class Facts : public ReportFacts {
   public:
    std::wstring Uid() override;
    std::wstring ProgramVersion() override;
  };
  Facts facts_;
  std::shared_ptr<ReportContext> context_;
  UsageReporter reporter_;
};
