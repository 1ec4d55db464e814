#include "hotspot/win32/wlan_api_win32.h"

#include "common/win32/system_library.h"
#include "hotspot/win32/wlan_declarations.h"

namespace {

struct WlanRoutines {
  WlanOpenHandleFn open = nullptr;
  WlanCloseHandleFn close = nullptr;
  WlanEnumInterfacesFn enumInterfaces = nullptr;
  WlanHostedNetworkQueryStatusFn queryStatus = nullptr;
  WlanFreeMemoryFn freeMemory = nullptr;

  explicit WlanRoutines(const SystemLibrary& library)
      : open(library.Find<WlanOpenHandleFn>("WlanOpenHandle")),
        close(library.Find<WlanCloseHandleFn>("WlanCloseHandle")),
        enumInterfaces(library.Find<WlanEnumInterfacesFn>("WlanEnumInterfaces")),
        queryStatus(library.Find<WlanHostedNetworkQueryStatusFn>("WlanHostedNetworkQueryStatus")),
        freeMemory(library.Find<WlanFreeMemoryFn>("WlanFreeMemory")) {}

  bool Complete() const { return open && close && enumInterfaces && queryStatus && freeMemory; }
};

// A client session, closed at the end of its scope.
class WlanSession {
 public:
  WlanSession(const WlanRoutines& routines, DWORD& result) : routines_(routines) {
    DWORD negotiated = 0;
    result = routines_.open(kWlanClientVersion, nullptr, &negotiated, &handle_);
    if (result != ERROR_SUCCESS) handle_ = nullptr;
  }
  ~WlanSession() {
    if (handle_) routines_.close(handle_, nullptr);
  }
  WlanSession(const WlanSession&) = delete;
  WlanSession& operator=(const WlanSession&) = delete;
  HANDLE Get() const { return handle_; }

 private:
  const WlanRoutines& routines_;
  HANDLE handle_ = nullptr;
};

// Memory the API handed out, given back to it at the end of its scope.
template <typename Block>
class WlanMemory {
 public:
  explicit WlanMemory(WlanFreeMemoryFn freeMemory) : freeMemory_(freeMemory) {}
  ~WlanMemory() {
    if (block_) freeMemory_(block_);
  }
  WlanMemory(const WlanMemory&) = delete;
  WlanMemory& operator=(const WlanMemory&) = delete;
  Block** Receive() { return &block_; }
  const Block* Get() const { return block_; }

 private:
  WlanFreeMemoryFn freeMemory_;
  Block* block_ = nullptr;
};

WlanReport Query(const WlanRoutines& routines) {
  WlanReport report;
  DWORD opened = ERROR_SUCCESS;
  WlanSession session(routines, opened);
  if (opened == ERROR_SERVICE_NOT_ACTIVE) {
    report.answer = WlanReport::Answer::ServiceNotRunning;
    return report;
  }
  if (!session.Get()) return report;

  WlanMemory<WlanInterfaceInfoList> interfaces(routines.freeMemory);
  if (routines.enumInterfaces(session.Get(), nullptr, interfaces.Receive()) != ERROR_SUCCESS ||
      !interfaces.Get()) {
    return report;
  }
  report.answer = WlanReport::Answer::Answered;
  report.hasInterface = interfaces.Get()->numberOfItems > 0;
  if (!report.hasInterface) return report;

  WlanMemory<WlanHostedNetworkStatus> status(routines.freeMemory);
  if (routines.queryStatus(session.Get(), status.Receive(), nullptr) != ERROR_SUCCESS ||
      !status.Get()) {
    return WlanReport{};
  }
  switch (status.Get()->hostedNetworkState) {
    case 1:
      report.state = WlanHostedNetworkState::Idle;
      break;
    case 2:
      report.state = WlanHostedNetworkState::Active;
      break;
    default:
      report.state = WlanHostedNetworkState::Unavailable;
      break;
  }
  return report;
}

}  // namespace

WlanReport WindowsWlanApi::QueryHostedNetwork() {
  const SystemLibrary library(L"wlanapi.dll");
  const WlanRoutines routines(library);
  if (!routines.Complete()) return {};
  return Query(routines);
}
