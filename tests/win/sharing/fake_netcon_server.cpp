#include "win/sharing/fake_netcon_server.h"

#include <filesystem>
#include <fstream>
#include <iterator>

#include "common/win32/reg_key.h"

namespace {

constexpr wchar_t kClassKey[] = L"Software\\Classes\\CLSID\\{5C63C1AD-3956-4FF8-8486-40034758315B}";

// A Linux path as Wine shows it: drive Z: is the root.
std::wstring WinePath(const std::string& unixPath) {
  std::wstring path = L"Z:";
  for (char c : unixPath) path += c == '/' ? L'\\' : static_cast<wchar_t>(c);
  return path;
}

void SetString(HKEY key, const wchar_t* name, const std::wstring& value) {
  RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                 static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
}

std::wstring NewFolder() {
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  static int counter = 0;
  std::wstring folder = std::wstring(temp) + L"pelanto-netcon-" +
                        std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(++counter);
  CreateDirectoryW(folder.c_str(), nullptr);
  return folder + L"\\";
}

}  // namespace

FakeNetconServer::FakeNetconServer(const std::string& script) : folder_(NewFolder()) {
  const std::wstring dll = WinePath(PELANTO_FAKE_NETCON_DLL);
  RegKey key;
  RegCreateKeyExW(HKEY_LOCAL_MACHINE, (std::wstring(kClassKey) + L"\\InprocServer32").c_str(), 0,
                  nullptr, 0, KEY_ALL_ACCESS, nullptr, key.Receive(), nullptr);
  SetString(key.Get(), nullptr, dll);
  SetString(key.Get(), L"ThreadingModel", L"Apartment");

  std::ofstream(std::filesystem::path(folder_ + L"script.txt"), std::ios::binary) << script;
  SetEnvironmentVariableW(L"PELANTO_FAKE_NETCON_SCRIPT", (folder_ + L"script.txt").c_str());
  SetEnvironmentVariableW(L"PELANTO_FAKE_NETCON_LOG", (folder_ + L"log.txt").c_str());
  // The same module COM loads from the registration; reloading starts the world afresh.
  module_ = LoadLibraryW(dll.c_str());
  Diagnostic("FakeNetconReload");
}

FakeNetconServer::~FakeNetconServer() {
  UnregisterFakeNetconServer();
  if (module_) FreeLibrary(module_);
  DeleteFileW((folder_ + L"script.txt").c_str());
  DeleteFileW((folder_ + L"log.txt").c_str());
  RemoveDirectoryW(folder_.c_str());
}

int FakeNetconServer::Diagnostic(const char* name) const {
  using Function = int (*)();
  const FARPROC routine = module_ ? GetProcAddress(module_, name) : nullptr;
  if (!routine) return -1;
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(routine))();
}

std::string FakeNetconServer::Log() const {
  std::ifstream file(std::filesystem::path(folder_ + L"log.txt"), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

void UnregisterFakeNetconServer() { RegDeleteTreeW(HKEY_LOCAL_MACHINE, kClassKey); }

std::wstring FakeNetShellFolder() { return WinePath(PELANTO_FAKE_NETSHELL_DIR); }
