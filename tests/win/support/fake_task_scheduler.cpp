#include "win/support/fake_task_scheduler.h"

#include "common/win32/reg_key.h"

namespace {

constexpr wchar_t kServerKey[] =
    L"Software\\Classes\\CLSID\\{0F87369F-A4E5-4CFC-BD3E-73E6154572DD}\\InprocServer32";

void SetString(HKEY key, const wchar_t* name, const std::wstring& value) {
  RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                 static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
}

// The server's path as registered now; empty when there is none.
std::wstring RegisteredServer() {
  wchar_t path[MAX_PATH] = {};
  DWORD size = sizeof(path) - sizeof(wchar_t);
  if (RegGetValueW(HKEY_LOCAL_MACHINE, kServerKey, nullptr,
                   RRF_RT_REG_SZ | RRF_RT_REG_EXPAND_SZ | RRF_NOEXPAND, nullptr, path,
                   &size) != ERROR_SUCCESS) {
    return {};
  }
  return path;
}

void RegisterServer(const std::wstring& path) {
  RegKey key;
  if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, kServerKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                      key.Receive(), nullptr) != ERROR_SUCCESS) {
    return;
  }
  SetString(key.Get(), nullptr, path);
  SetString(key.Get(), L"ThreadingModel", L"Both");
}

}  // namespace

FakeTaskScheduler::FakeTaskScheduler() : previousServer_(RegisteredServer()) {
  RegisterServer(WindowsPath(PELANTO_FAKE_TASKS_DLL));
  std::wstring folder = folder_.Path();
  folder.pop_back();  // the fake adds its own separator
  SetEnvironmentVariableW(L"PELANTO_FAKE_TASKS_DIR", folder.c_str());
}

FakeTaskScheduler::~FakeTaskScheduler() {
  SetEnvironmentVariableW(L"PELANTO_FAKE_TASKS_DIR", nullptr);
  if (!previousServer_.empty()) RegisterServer(previousServer_);
}

std::vector<std::string> FakeTaskScheduler::Calls() const {
  return ReadLines(folder_.File(L"log.txt"));
}

bool FakeTaskScheduler::HasTask(const std::wstring& name) const {
  return GetFileAttributesW(folder_.File(name + L".xml").c_str()) != INVALID_FILE_ATTRIBUTES;
}

void FakeTaskScheduler::RefuseRegistrations() { WriteFileBytes(folder_.File(L"fail"), ""); }
