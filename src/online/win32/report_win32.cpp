#include "online/win32/report_win32.h"

#include "common/win32/helpers.h"
#include "online/hosts.h"

namespace {

class WindowsReportServices : public ReportServices {
 public:
  std::wstring MacAddress() override { return GetMacAddress(0); }
  // Off the window's thread: waits block, with the read limit only.
  std::unique_ptr<HttpConnector> MakeConnector() override {
    return std::make_unique<AsioConnector>();
  }
  std::string StatsHost() override { return ::StatsHost(); }
};

}  // namespace

std::wstring WindowsUsageReport::Facts::Uid() {
  return ReadRegistryString(HKEY_CURRENT_USER, L"Software\\zenTura", L"UID", L"1015");
}

std::wstring WindowsUsageReport::Facts::ProgramVersion() {
  return GetFileVersion(ExecutablePath());
}

WindowsUsageReport::WindowsUsageReport()
    : context_(std::make_shared<ReportContext>(std::make_unique<WindowsReportServices>())),
      reporter_(facts_, context_) {}
