// A stand-in for the system's Mobile Hotspot classes, for tests: a Windows Runtime server DLL
// registered in the test prefix under ActivatableClassId for the tethering manager and the
// network information classes. Its behaviour comes from environment variables:
//   PELANTO_FAKE_TETHERING_CAPABILITY   capability of the Internet profile (number, default 0)
//   PELANTO_FAKE_TETHERING_START_STATUS status a start answers (number, default 0 = success)
//   PELANTO_FAKE_TETHERING_MESSAGE      its additional error message
//   PELANTO_FAKE_TETHERING_ADAPTER      the Internet profile's adapter identifier
//   PELANTO_FAKE_TETHERING_HANG         when set, operations never end (a cancel is logged)
//   PELANTO_FAKE_TETHERING_LOG          file the calls that change something are appended to
// Otherwise every operation has ended when it is handed out. The tethering state lives in the
// process.
#include <windows.h>
#include <winstring.h>

#include <cstdlib>
#include <string>

#include "hotspot/win32/tethering_interfaces.h"

using namespace winrt_abi;

namespace {

constexpr IID kIID_IActivationFactory = {
    0x00000035, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
constexpr IID kIID_IInspectable = {
    0xAF86E2E0, 0xB12D, 0x4C6A, {0x9C, 0x5A, 0xD7, 0xAA, 0x65, 0x10, 0x1E, 0x90}};
constexpr IID kIID_IAgileObject = {
    0x94EA2B94, 0xE9CC, 0x49E0, {0xC0, 0xFF, 0xEE, 0x64, 0xCA, 0x8F, 0x5B, 0x90}};

struct IActivationFactory : IInspectable {
  virtual HRESULT STDMETHODCALLTYPE ActivateInstance(IInspectable** instance) = 0;
};

LONG liveObjects = 0;
int32_t tetheringState = 2;  // Off

std::wstring Environment(const wchar_t* name) {
  wchar_t buffer[1024];
  const DWORD length = GetEnvironmentVariableW(name, buffer, 1024);
  return length > 0 && length < 1024 ? std::wstring(buffer, length) : std::wstring();
}

int EnvironmentNumber(const wchar_t* name) { return _wtoi(Environment(name).c_str()); }

void Log(const std::wstring& line) {
  const std::wstring path = Environment(L"PELANTO_FAKE_TETHERING_LOG");
  if (path.empty()) return;
  HANDLE file = CreateFileW(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                            nullptr, OPEN_ALWAYS, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  const std::wstring text = line + L"\n";
  const int size = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()),
                                       nullptr, 0, nullptr, nullptr);
  std::string bytes(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), bytes.data(), size,
                      nullptr, nullptr);
  DWORD written = 0;
  WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
}

std::wstring Text(HSTRING string) {
  UINT32 length = 0;
  const wchar_t* buffer = WindowsGetStringRawBuffer(string, &length);
  return buffer ? std::wstring(buffer, length) : std::wstring();
}

HSTRING NewString(const std::wstring& text) {
  HSTRING string = nullptr;
  WindowsCreateString(text.c_str(), static_cast<UINT32>(text.size()), &string);
  return string;
}

// Reference counting, IUnknown and IInspectable for an object with the interface `Main` (its
// identity, `MainIid`) and the ones its Find admits.
template <typename Main, const IID& MainIid>
class Object : public Main {
 public:
  Object() { InterlockedIncrement(&liveObjects); }
  virtual ~Object() { InterlockedDecrement(&liveObjects); }

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
    if (!object) return E_POINTER;
    *object = Find(iid);
    if (!*object) return E_NOINTERFACE;
    AddRef();
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return InterlockedIncrement(&references_); }
  ULONG STDMETHODCALLTYPE Release() override {
    const LONG left = InterlockedDecrement(&references_);
    if (left == 0) delete this;
    return static_cast<ULONG>(left);
  }
  HRESULT STDMETHODCALLTYPE GetIids(ULONG* count, IID** iids) override {
    *count = 0;
    *iids = nullptr;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetRuntimeClassName(HSTRING* name) override {
    *name = nullptr;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetTrustLevel(TrustLevel* level) override {
    *level = BaseTrust;
    return S_OK;
  }

 protected:
  // The interface for `iid`, or null.
  virtual void* Find(REFIID iid) {
    if (iid == IID_IUnknown || iid == kIID_IInspectable || iid == kIID_IAgileObject ||
        iid == MainIid) {
      return static_cast<Main*>(this);
    }
    return nullptr;
  }

 private:
  LONG references_ = 1;
};

class Adapter final : public Object<INetworkAdapter, IID_INetworkAdapter> {
 public:
  explicit Adapter(GUID id) : id_(id) {}
  HRESULT STDMETHODCALLTYPE get_OutboundMaxBitsPerSecond(UINT64* value) override {
    *value = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_InboundMaxBitsPerSecond(UINT64* value) override {
    *value = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_IanaInterfaceType(UINT32* value) override {
    *value = 6;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_NetworkItem(IInspectable** value) override {
    *value = nullptr;
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE get_NetworkAdapterId(GUID* value) override {
    *value = id_;
    return S_OK;
  }

 private:
  GUID id_;
};

class Profile final : public Object<IConnectionProfile, IID_IConnectionProfile> {
 public:
  HRESULT STDMETHODCALLTYPE get_ProfileName(HSTRING* value) override {
    *value = NewString(L"Ethernet");
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetNetworkConnectivityLevel(int32_t* value) override {
    *value = 3;  // Internet access
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetNetworkNames(IInspectable** value) override { return Unused(value); }
  HRESULT STDMETHODCALLTYPE GetConnectionCost(IInspectable** value) override {
    return Unused(value);
  }
  HRESULT STDMETHODCALLTYPE GetDataPlanStatus(IInspectable** value) override {
    return Unused(value);
  }
  HRESULT STDMETHODCALLTYPE get_NetworkAdapter(INetworkAdapter** value) override {
    GUID id{};
    const std::wstring text = Environment(L"PELANTO_FAKE_TETHERING_ADAPTER");
    if (text.empty() || FAILED(IIDFromString(text.c_str(), &id))) {
      *value = nullptr;
      return S_OK;
    }
    *value = new Adapter(id);
    return S_OK;
  }

 private:
  static HRESULT Unused(IInspectable** value) {
    *value = nullptr;
    return E_NOTIMPL;
  }
};

class ProfileList final
    : public Object<IConnectionProfileVectorView, IID_IConnectionProfileVectorView> {
 public:
  HRESULT STDMETHODCALLTYPE GetAt(UINT32 index, IConnectionProfile** item) override {
    *item = nullptr;
    if (index != 0) return E_INVALIDARG;
    *item = new Profile;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_Size(UINT32* size) override {
    *size = 1;
    return S_OK;
  }
};

// An object with a second interface of its own beside `First`, its identity; the second's
// IUnknown and IInspectable are the first's.
template <typename First, const IID& FirstIid, typename Second>
class Pair : public Object<First, FirstIid>, public Second {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
    return Object<First, FirstIid>::QueryInterface(iid, object);
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return Object<First, FirstIid>::AddRef(); }
  ULONG STDMETHODCALLTYPE Release() override { return Object<First, FirstIid>::Release(); }
  HRESULT STDMETHODCALLTYPE GetIids(ULONG* count, IID** iids) override {
    return Object<First, FirstIid>::GetIids(count, iids);
  }
  HRESULT STDMETHODCALLTYPE GetRuntimeClassName(HSTRING* name) override {
    return Object<First, FirstIid>::GetRuntimeClassName(name);
  }
  HRESULT STDMETHODCALLTYPE GetTrustLevel(TrustLevel* level) override {
    return Object<First, FirstIid>::GetTrustLevel(level);
  }
};

// An operation that has ended when it is handed out; `Operation` is the typed interface.
template <typename Operation, typename Handler, const IID& OperationIid>
class Ended : public Pair<Operation, OperationIid, IAsyncInfo> {
 public:
  HRESULT STDMETHODCALLTYPE put_Completed(Handler* handler) override {
    if (!handler) return E_POINTER;
    return hangs_ ? S_OK : handler->Invoke(this, AsyncCompleted);
  }
  HRESULT STDMETHODCALLTYPE get_Completed(Handler** handler) override {
    *handler = nullptr;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_Id(UINT32* id) override {
    *id = 1;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_Status(AsyncStatus* status) override {
    *status = hangs_ ? AsyncStarted : AsyncCompleted;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_ErrorCode(HRESULT* code) override {
    *code = S_OK;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE Cancel() override {
    Log(L"cancel");
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE Close() override { return S_OK; }

 protected:
  void* Find(REFIID iid) override {
    if (iid == IID_IAsyncInfo) return static_cast<IAsyncInfo*>(this);
    return Object<Operation, OperationIid>::Find(iid);
  }

 private:
  bool hangs_ = !Environment(L"PELANTO_FAKE_TETHERING_HANG").empty();
};

class EndedAction final
    : public Ended<IAsyncAction, IAsyncActionCompletedHandler, IID_IAsyncAction> {
 public:
  HRESULT STDMETHODCALLTYPE GetResults() override { return S_OK; }
};

class OperationResult final : public Object<INetworkOperatorTetheringOperationResult,
                                            IID_INetworkOperatorTetheringOperationResult> {
 public:
  OperationResult(int32_t status, std::wstring message)
      : status_(status), message_(std::move(message)) {}
  HRESULT STDMETHODCALLTYPE get_Status(int32_t* status) override {
    *status = status_;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_AdditionalErrorMessage(HSTRING* message) override {
    *message = NewString(message_);
    return S_OK;
  }

 private:
  int32_t status_;
  std::wstring message_;
};

class EndedTethering final
    : public Ended<ITetheringResultOperation, ITetheringResultCompletedHandler,
                   IID_ITetheringResultOperation> {
 public:
  EndedTethering(int32_t status, std::wstring message)
      : status_(status), message_(std::move(message)) {}
  HRESULT STDMETHODCALLTYPE GetResults(INetworkOperatorTetheringOperationResult** result) override {
    *result = new OperationResult(status_, message_);
    return S_OK;
  }

 private:
  int32_t status_;
  std::wstring message_;
};

class AccessPoint final : public Object<INetworkOperatorTetheringAccessPointConfiguration,
                                        IID_INetworkOperatorTetheringAccessPointConfiguration> {
 public:
  HRESULT STDMETHODCALLTYPE get_Ssid(HSTRING* value) override {
    *value = NewString(ssid_);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE put_Ssid(HSTRING value) override {
    ssid_ = Text(value);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_Passphrase(HSTRING* value) override {
    *value = NewString(passphrase_);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE put_Passphrase(HSTRING value) override {
    passphrase_ = Text(value);
    return S_OK;
  }
  const std::wstring& Ssid() const { return ssid_; }
  const std::wstring& Passphrase() const { return passphrase_; }

 private:
  std::wstring ssid_ = L"DESKTOP-FAKE 0000";
  std::wstring passphrase_ = L"fake-passphrase";
};

class Manager final
    : public Object<INetworkOperatorTetheringManager, IID_INetworkOperatorTetheringManager> {
 public:
  HRESULT STDMETHODCALLTYPE get_MaxClientCount(UINT32* value) override {
    *value = 8;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_ClientCount(UINT32* value) override {
    *value = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_TetheringOperationalState(int32_t* state) override {
    *state = tetheringState;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetCurrentAccessPointConfiguration(
      INetworkOperatorTetheringAccessPointConfiguration** configuration) override {
    *configuration = new AccessPoint;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE
  ConfigureAccessPointAsync(INetworkOperatorTetheringAccessPointConfiguration* configuration,
                            IAsyncAction** operation) override {
    if (!configuration) return E_POINTER;
    // Only our own objects come back here.
    auto* accessPoint = static_cast<AccessPoint*>(configuration);
    Log(L"configure ssid=" + accessPoint->Ssid() + L" passphrase=" + accessPoint->Passphrase());
    *operation = new EndedAction;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE StartTetheringAsync(ITetheringResultOperation** operation) override {
    const int32_t status = EnvironmentNumber(L"PELANTO_FAKE_TETHERING_START_STATUS");
    Log(L"start");
    if (status == 0) tetheringState = 1;  // On
    *operation = new EndedTethering(status, Environment(L"PELANTO_FAKE_TETHERING_MESSAGE"));
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE StopTetheringAsync(ITetheringResultOperation** operation) override {
    Log(L"stop");
    tetheringState = 2;  // Off
    *operation = new EndedTethering(0, L"");
    return S_OK;
  }
};

// The factory of a class: IActivationFactory plus the class's statics.
template <typename Statics, const IID& StaticsIid>
class Factory : public Pair<IActivationFactory, kIID_IActivationFactory, Statics> {
 public:
  HRESULT STDMETHODCALLTYPE ActivateInstance(IInspectable** instance) override {
    *instance = nullptr;
    return E_NOTIMPL;
  }

 protected:
  void* Find(REFIID iid) override {
    if (iid == StaticsIid) return static_cast<Statics*>(this);
    return Object<IActivationFactory, kIID_IActivationFactory>::Find(iid);
  }
};

class TetheringFactory final : public Factory<INetworkOperatorTetheringManagerStatics2,
                                              IID_INetworkOperatorTetheringManagerStatics2> {
 public:
  HRESULT STDMETHODCALLTYPE GetTetheringCapabilityFromConnectionProfile(
      IConnectionProfile* profile, int32_t* capability) override {
    if (!profile) return E_POINTER;
    *capability = EnvironmentNumber(L"PELANTO_FAKE_TETHERING_CAPABILITY");
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE CreateFromConnectionProfile(
      IConnectionProfile* profile, INetworkOperatorTetheringManager** manager) override {
    *manager = nullptr;
    if (!profile) return E_POINTER;
    *manager = new Manager;
    return S_OK;
  }
};

class InformationFactory final
    : public Factory<INetworkInformationStatics, IID_INetworkInformationStatics> {
 public:
  HRESULT STDMETHODCALLTYPE GetConnectionProfiles(IConnectionProfileVectorView** list) override {
    *list = new ProfileList;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetInternetConnectionProfile(IConnectionProfile** profile) override {
    *profile = new Profile;
    return S_OK;
  }
};

}  // namespace

extern "C" __declspec(dllexport) HRESULT WINAPI
    DllGetActivationFactory(HSTRING classId, IActivationFactory** out) {
  if (!out) return E_POINTER;
  const std::wstring name = Text(classId);
  if (name == kTetheringManagerClass) {
    *out = new TetheringFactory;
  } else if (name == kNetworkInformationClass) {
    *out = new InformationFactory;
  } else {
    *out = nullptr;
    return CLASS_E_CLASSNOTAVAILABLE;
  }
  return S_OK;
}

extern "C" __declspec(dllexport) HRESULT WINAPI DllCanUnloadNow() { return S_FALSE; }

// For tests: objects of this DLL still referenced.
extern "C" __declspec(dllexport) int FakeTetheringLiveObjects() { return liveObjects; }
