// wlanapi.dll stand-in for the Wine tests: the test prefix has it in system32, and Wine loads it
// instead of its own with WINEDLLOVERRIDES wlanapi=n. PELANTO_FAKE_WLAN picks what it reports:
//   active, idle, unavailable   one wireless interface, the hosted network in that state
//   no-interface                no wireless interface
//   service-stopped             WlanOpenHandle fails with ERROR_SERVICE_NOT_ACTIVE
//   anything else, or unset     WlanOpenHandle fails with ERROR_NOT_SUPPORTED (no usable API)
// With PELANTO_FAKE_WLAN_LOG set, each open, close, allocation and free is appended to that
// file, one word a line, so tests can see that everything handed out came back.
#include <windows.h>

#include <string>

#include "hotspot/win32/wlan_declarations.h"

namespace {

// Any non-null value: the fake keeps no per-session state.
HANDLE const kSession = reinterpret_cast<HANDLE>(static_cast<INT_PTR>(0x5E55));

std::string Variable(const char* name) {
  char value[MAX_PATH];
  const DWORD length = GetEnvironmentVariableA(name, value, MAX_PATH);
  return length > 0 && length < MAX_PATH ? std::string(value, length) : std::string();
}

void Log(const char* word) {
  const std::string path = Variable("PELANTO_FAKE_WLAN_LOG");
  if (path.empty()) return;
  HANDLE file = CreateFileA(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                            nullptr, OPEN_ALWAYS, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  const std::string line = std::string(word) + "\n";
  DWORD written = 0;
  WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
  CloseHandle(file);
}

void* Allocate(size_t bytes) {
  Log("allocate");
  return HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, bytes);
}

}  // namespace

extern "C" {

__declspec(dllexport) DWORD WINAPI
    WlanOpenHandle(DWORD, void*, DWORD* negotiatedVersion, HANDLE* clientHandle) {
  if (!negotiatedVersion || !clientHandle) return ERROR_INVALID_PARAMETER;
  const std::string state = Variable("PELANTO_FAKE_WLAN");
  if (state == "service-stopped") return ERROR_SERVICE_NOT_ACTIVE;
  if (state != "active" && state != "idle" && state != "unavailable" && state != "no-interface") {
    return ERROR_NOT_SUPPORTED;
  }
  Log("open");
  *negotiatedVersion = kWlanClientVersion;
  *clientHandle = kSession;
  return ERROR_SUCCESS;
}

__declspec(dllexport) DWORD WINAPI WlanCloseHandle(HANDLE clientHandle, void*) {
  if (clientHandle != kSession) return ERROR_INVALID_HANDLE;
  Log("close");
  return ERROR_SUCCESS;
}

__declspec(dllexport) DWORD WINAPI
    WlanEnumInterfaces(HANDLE clientHandle, void*, WlanInterfaceInfoList** interfaces) {
  if (clientHandle != kSession || !interfaces) return ERROR_INVALID_PARAMETER;
  auto* list = static_cast<WlanInterfaceInfoList*>(Allocate(sizeof(WlanInterfaceInfoList)));
  if (!list) return ERROR_NOT_ENOUGH_MEMORY;
  if (Variable("PELANTO_FAKE_WLAN") != "no-interface") {
    list->numberOfItems = 1;
    lstrcpyW(list->items[0].description, L"Fake Wireless Adapter");
    list->items[0].state = 1;  // connected
  }
  *interfaces = list;
  return ERROR_SUCCESS;
}

__declspec(dllexport) DWORD WINAPI
    WlanHostedNetworkQueryStatus(HANDLE clientHandle, WlanHostedNetworkStatus** status, void*) {
  if (clientHandle != kSession || !status) return ERROR_INVALID_PARAMETER;
  auto* answer = static_cast<WlanHostedNetworkStatus*>(Allocate(sizeof(WlanHostedNetworkStatus)));
  if (!answer) return ERROR_NOT_ENOUGH_MEMORY;
  const std::string state = Variable("PELANTO_FAKE_WLAN");
  answer->hostedNetworkState = state == "active" ? 2 : state == "idle" ? 1 : 0;
  *status = answer;
  return ERROR_SUCCESS;
}

__declspec(dllexport) void WINAPI WlanFreeMemory(void* memory) {
  if (!memory) return;
  Log("free");
  HeapFree(GetProcessHeap(), 0, memory);
}

}  // extern "C"
