#include "shell/win32/logon_task_win32.h"

#include <string>
#include <vector>

#include "common/win32/unique_handle.h"
#include "sharing/com_ptr.h"
#include "shell/logon_task_xml.h"
#include "shell/win32/TaskSchedulerTlb.h"

namespace {

// One BSTR for the length of a call.
class Bstr {
 public:
  explicit Bstr(const std::wstring& text)
      : value_(SysAllocStringLen(text.data(), static_cast<UINT>(text.size()))) {}
  ~Bstr() { SysFreeString(value_); }
  Bstr(const Bstr&) = delete;
  Bstr& operator=(const Bstr&) = delete;
  BSTR Get() const { return value_; }
  explicit operator bool() const { return value_ != nullptr; }

 private:
  BSTR value_;
};

VARIANT Empty() {
  VARIANT value;
  VariantInit(&value);
  return value;
}

// The user this process runs as, "DOMAIN\user"; empty when it cannot be found.
std::wstring CurrentUserId() {
  UniqueHandle token;
  if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, token.Receive())) return {};
  DWORD size = 0;
  GetTokenInformation(token.Get(), TokenUser, nullptr, 0, &size);
  std::vector<BYTE> buffer(size);
  if (size == 0 || !GetTokenInformation(token.Get(), TokenUser, buffer.data(), size, &size)) {
    return {};
  }
  PSID sid = reinterpret_cast<TOKEN_USER*>(buffer.data())->User.Sid;
  wchar_t name[256], domain[256];
  DWORD nameLength = ARRAYSIZE(name), domainLength = ARRAYSIZE(domain);
  SID_NAME_USE use;
  if (!LookupAccountSidW(nullptr, sid, name, &nameLength, domain, &domainLength, &use)) return {};
  return std::wstring(domain) + L"\\" + name;
}

// The Task Scheduler's root folder on this computer; null when it cannot be reached.
ComPtr<ITaskFolder> RootFolder() {
  ComPtr<ITaskService> service;
  ComPtr<ITaskFolder> folder;
  if (FAILED(CoCreateInstance(CLSID_TaskScheduler, nullptr, CLSCTX_INPROC_SERVER, IID_ITaskService,
                              service.ReceiveVoid())) ||
      FAILED(service->Connect(Empty(), Empty(), Empty(), Empty()))) {
    return folder;
  }
  const Bstr root(L"\\");
  if (root) service->GetFolder(root.Get(), folder.Receive());
  return folder;
}

}  // namespace

bool WindowsLogonTask::Register(std::wstring_view executablePath) {
  const std::wstring userId = CurrentUserId();
  if (userId.empty()) return false;
  const ComPtr<ITaskFolder> folder = RootFolder();
  if (!folder) return false;
  const Bstr name(kLogonTaskName);
  const Bstr xml(LogonTaskXml(userId, executablePath));
  if (!name || !xml) return false;
  ComPtr<IRegisteredTask> task;
  return SUCCEEDED(folder->RegisterTask(name.Get(), xml.Get(), TASK_CREATE_OR_UPDATE, Empty(),
                                        Empty(), TASK_LOGON_INTERACTIVE_TOKEN, Empty(),
                                        task.Receive()));
}

void WindowsLogonTask::Delete() {
  const ComPtr<ITaskFolder> folder = RootFolder();
  const Bstr name(kLogonTaskName);
  // A missing task, like a missing Run value, is no error.
  if (folder && name) folder->DeleteTask(name.Get(), 0);
}
