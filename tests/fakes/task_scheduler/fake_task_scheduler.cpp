// The Task Scheduler's root folder as a folder of files: PELANTO_FAKE_TASKS_DIR receives
// <name>.xml (the registered XML, UTF-16 with a byte order mark) for every registered task and
// a line in log.txt for every RegisterTask and DeleteTask; a file named "fail" there makes
// RegisterTask fail. Written against the SDK's declarations of the interfaces, so a caller built
// on its own declarations proves that they match the published ones.

#include <windows.h>
// The COM headers need windows.h first.
#include <objbase.h>
#include <taskschd.h>

#include <string>

#include "fakes/static_class_factory.h"

#define FAKE_TASKS_EXPORT extern "C" __declspec(dllexport)

namespace {

std::wstring TasksFolder() {
  wchar_t buffer[1024];
  const DWORD length = GetEnvironmentVariableW(L"PELANTO_FAKE_TASKS_DIR", buffer, 1024);
  return length > 0 && length < 1024 ? std::wstring(buffer, length) + L"\\" : std::wstring();
}

bool Exists(const std::wstring& path) {
  return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

void WriteFile(const std::wstring& path, const void* bytes, DWORD size, bool append) {
  HANDLE file =
      CreateFileW(path.c_str(), append ? FILE_APPEND_DATA : GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                  append ? OPEN_ALWAYS : CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  DWORD written = 0;
  ::WriteFile(file, bytes, size, &written, nullptr);
  CloseHandle(file);
}

void Log(const std::wstring& line) {
  const std::wstring folder = TasksFolder();
  if (folder.empty()) return;
  const std::wstring text = line + L"\n";
  const int size = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
  std::string utf8(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, utf8.data(), size, nullptr, nullptr);
  WriteFile(folder + L"log.txt", utf8.data(), static_cast<DWORD>(utf8.size() - 1), true);
}

std::wstring Text(BSTR text) { return text ? std::wstring(text, SysStringLen(text)) : L"<null>"; }

std::wstring Kind(const VARIANT& value) { return std::to_wstring(value.vt); }

template <typename Interface>
class Object : public Interface {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
    if (!object) return E_POINTER;
    *object = nullptr;
    if (iid != IID_IUnknown && iid != IID_IDispatch && iid != __uuidof(Interface)) {
      return E_NOINTERFACE;
    }
    *object = static_cast<Interface*>(this);
    AddRef();
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
  ULONG STDMETHODCALLTYPE Release() override {
    const ULONG left = --references_;
    if (left == 0) delete this;
    return left;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                   UINT*) override {
    return E_NOTIMPL;
  }

 protected:
  virtual ~Object() = default;

 private:
  ULONG references_ = 1;
};

class RootFolder : public Object<ITaskFolder> {
 public:
  HRESULT STDMETHODCALLTYPE get_Name(BSTR* name) override {
    *name = SysAllocString(L"\\");
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_Path(BSTR* path) override {
    *path = SysAllocString(L"\\");
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetFolder(BSTR, ITaskFolder**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetFolders(LONG, ITaskFolderCollection**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE CreateFolder(BSTR, VARIANT, ITaskFolder**) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE DeleteFolder(BSTR, LONG) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetTask(BSTR, IRegisteredTask**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetTasks(LONG, IRegisteredTaskCollection**) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE DeleteTask(BSTR name, LONG flags) override {
    const std::wstring file = TasksFolder() + Text(name) + L".xml";
    const bool present = !TasksFolder().empty() && Exists(file);
    Log(L"DeleteTask " + Text(name) + L" flags=" + std::to_wstring(flags) +
        (present ? L"" : L" missing"));
    if (!present) return HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND);
    DeleteFileW(file.c_str());
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE RegisterTask(BSTR path, BSTR xml, LONG flags, VARIANT user,
                                         VARIANT password, TASK_LOGON_TYPE logonType, VARIANT sddl,
                                         IRegisteredTask** task) override {
    if (task) *task = nullptr;
    const std::wstring folder = TasksFolder();
    if (!folder.empty() && Exists(folder + L"fail")) {
      Log(L"RegisterTask " + Text(path) + L" refused");
      return E_ACCESSDENIED;
    }
    Log(L"RegisterTask " + Text(path) + L" flags=" + std::to_wstring(flags) + L" logon=" +
        std::to_wstring(logonType) + L" user=" + Kind(user) + L" password=" + Kind(password) +
        L" sddl=" + Kind(sddl));
    if (!folder.empty() && xml) {
      const std::wstring text = L"\xFEFF" + Text(xml);
      WriteFile(folder + Text(path) + L".xml", text.data(),
                static_cast<DWORD>(text.size() * sizeof(wchar_t)), false);
    }
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE RegisterTaskDefinition(BSTR, ITaskDefinition*, LONG, VARIANT, VARIANT,
                                                   TASK_LOGON_TYPE, VARIANT,
                                                   IRegisteredTask**) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE GetSecurityDescriptor(LONG, BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE SetSecurityDescriptor(BSTR, LONG) override { return E_NOTIMPL; }
};

class Service : public Object<ITaskService> {
 public:
  HRESULT STDMETHODCALLTYPE GetFolder(BSTR path, ITaskFolder** folder) override {
    *folder = nullptr;
    if (!connected_) return HRESULT_FROM_WIN32(ERROR_ONLY_IF_CONNECTED);
    // The root folder is "\\"; schtasks asks for it with no path at all.
    if (path && SysStringLen(path) != 0 && Text(path) != L"\\") {
      return HRESULT_FROM_WIN32(ERROR_PATH_NOT_FOUND);
    }
    *folder = new RootFolder;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetRunningTasks(LONG, IRunningTaskCollection**) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE NewTask(DWORD, ITaskDefinition**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Connect(VARIANT server, VARIANT user, VARIANT domain,
                                    VARIANT password) override {
    // This computer and the caller's own account only.
    if (server.vt != VT_EMPTY || user.vt != VT_EMPTY || domain.vt != VT_EMPTY ||
        password.vt != VT_EMPTY) {
      return E_INVALIDARG;
    }
    connected_ = true;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_Connected(VARIANT_BOOL* connected) override {
    *connected = connected_ ? VARIANT_TRUE : VARIANT_FALSE;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_TargetServer(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_ConnectedUser(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_ConnectedDomain(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_HighestVersion(DWORD* version) override {
    *version = 0x00010002;
    return S_OK;
  }

 private:
  bool connected_ = false;
};

HRESULT CreateService(IUnknown* outer, REFIID iid, void** object) {
  if (!object) return E_POINTER;
  *object = nullptr;
  if (outer) return CLASS_E_NOAGGREGATION;
  Service* service = new Service;
  const HRESULT result = service->QueryInterface(iid, object);
  service->Release();
  return result;
}

StaticClassFactory<CreateService> factory;

}  // namespace

FAKE_TASKS_EXPORT HRESULT STDAPICALLTYPE DllGetClassObject(REFCLSID classId, REFIID iid,
                                                           void** object) {
  if (!object) return E_POINTER;
  *object = nullptr;
  if (classId != __uuidof(TaskScheduler)) return CLASS_E_CLASSNOTAVAILABLE;
  return factory.QueryInterface(iid, object);
}

FAKE_TASKS_EXPORT HRESULT STDAPICALLTYPE DllCanUnloadNow() { return S_FALSE; }
