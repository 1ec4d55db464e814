#include "hotspot/win32/async_wait_win32.h"

#include "common/win32/unique_handle.h"
#include "online/win32/window_wait_win32.h"
#include "sharing/com_error.h"

using namespace winrt_abi;

namespace {

// IAgileObject: the handler may be called on any thread, so the platform need not marshal it.
constexpr IID kIID_IAgileObject = {
    0x94EA2B94, 0xE9CC, 0x49E0, {0xC0, 0xFF, 0xEE, 0x64, 0xCA, 0x8F, 0x5B, 0x90}};

// A completion handler that only sets an event; it may outlive the wait (a cancelled operation
// still holds it), so it owns the event.
template <typename Handler, typename Operation>
class CompletionSignal final : public Handler {
 public:
  explicit CompletionSignal(const IID& iid)
      : iid_(iid), event_(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {}

  HANDLE Event() const { return event_.Get(); }

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
    if (!object) return E_POINTER;
    if (iid == IID_IUnknown || iid == iid_ || iid == kIID_IAgileObject) {
      *object = static_cast<Handler*>(this);
      AddRef();
      return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return InterlockedIncrement(&references_); }
  ULONG STDMETHODCALLTYPE Release() override {
    const LONG left = InterlockedDecrement(&references_);
    if (left == 0) delete this;
    return static_cast<ULONG>(left);
  }
  HRESULT STDMETHODCALLTYPE Invoke(Operation*, AsyncStatus) override {
    SetEvent(event_.Get());
    return S_OK;
  }

 private:
  ~CompletionSignal() = default;

  const IID& iid_;
  UniqueHandle event_;
  LONG references_ = 1;
};

// Handles messages until `event` is set or the time is up.
bool WaitWithMessages(HANDLE event, DWORD milliseconds) {
  const ULONGLONG deadline = GetTickCount64() + milliseconds;
  for (;;) {
    const ULONGLONG now = GetTickCount64();
    if (now >= deadline) return WaitForSingleObject(event, 0) == WAIT_OBJECT_0;
    const DWORD result = MsgWaitForMultipleObjectsEx(1, &event, static_cast<DWORD>(deadline - now),
                                                     QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    if (result == WAIT_OBJECT_0) return true;
    if (result != WAIT_OBJECT_0 + 1) return false;
    if (!DispatchPendingMessages()) return false;
  }
}

void Cancel(IUnknown& operation) {
  ComPtr<IAsyncInfo> info;
  if (SUCCEEDED(operation.QueryInterface(IID_IAsyncInfo, info.ReceiveVoid()))) info->Cancel();
}

template <typename Handler, typename Operation>
bool Wait(Operation& operation, const IID& handlerIid, DWORD milliseconds) {
  ComPtr<CompletionSignal<Handler, Operation>> signal =
      ComPtr<CompletionSignal<Handler, Operation>>::Adopt(
          new CompletionSignal<Handler, Operation>(handlerIid));
  if (!signal->Event()) OleCheck(HRESULT_FROM_WIN32(GetLastError()));
  // An operation that has ended already calls the handler at once.
  OleCheck(operation.put_Completed(signal.Get()));
  if (WaitWithMessages(signal->Event(), milliseconds)) return true;
  Cancel(operation);
  return false;
}

}  // namespace

bool WaitForAction(IAsyncAction& action, DWORD milliseconds) {
  return Wait<IAsyncActionCompletedHandler>(action, IID_IAsyncActionCompletedHandler, milliseconds);
}

bool WaitForOperation(ITetheringResultOperation& operation, DWORD milliseconds) {
  return Wait<ITetheringResultCompletedHandler>(operation, IID_ITetheringResultCompletedHandler,
                                                milliseconds);
}

void CheckEnded(IUnknown& operation) {
  ComPtr<IAsyncInfo> info;
  OleCheck(operation.QueryInterface(IID_IAsyncInfo, info.ReceiveVoid()));
  AsyncStatus status = AsyncStarted;
  OleCheck(info->get_Status(&status));
  if (status == AsyncCompleted) return;
  HRESULT code = E_ABORT;
  if (status == AsyncError) OleCheck(info->get_ErrorCode(&code));
  OleCheck(FAILED(code) ? code : E_FAIL);
}
