// FakeNetcon.dll: the fake home-networking world as the in-process COM server of
// CLSID_NetSharingManager. Its script and log come from the environment (see
// fake_netcon_world.h); the exported FakeNetcon* functions let tests reload the script and
// check reference counts and properties blocks.

#include <windows.h>

#include <objbase.h>

#include <string>
#include <utility>

#include "common/win32/unique_handle.h"
#include "fakes/netcon/fake_netcon_objects.h"
#include "fakes/netcon/netcon_script.h"
#include "fakes/static_class_factory.h"

#define FAKE_NETCON_EXPORT extern "C" __declspec(dllexport)

namespace {

std::wstring EnvironmentValue(const wchar_t* name) {
  wchar_t buffer[1024];
  const DWORD length = GetEnvironmentVariableW(name, buffer, 1024);
  return length > 0 && length < 1024 ? std::wstring(buffer, length) : std::wstring();
}

std::string FileBytes(const std::wstring& path) {
  UniqueHandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
  std::string bytes;
  if (!file) return bytes;
  char chunk[4096];
  DWORD read = 0;
  while (ReadFile(file.Get(), chunk, sizeof chunk, &read, nullptr) && read > 0) {
    bytes.append(chunk, read);
  }
  return bytes;
}

std::string AnsiPath(const std::wstring& path) {
  const int size = WideCharToMultiByte(CP_ACP, 0, path.c_str(), -1, nullptr, 0, nullptr, nullptr);
  std::string ansi(static_cast<size_t>(size > 0 ? size : 1), '\0');
  WideCharToMultiByte(CP_ACP, 0, path.c_str(), -1, ansi.data(), size, nullptr, nullptr);
  ansi.resize(ansi.find('\0'));
  return ansi;
}

void LogScriptError(FakeNetconWorld& world, const NetconScriptError& error) {
  world.Log(L"script error: " + std::wstring(error.what(), error.what() + strlen(error.what())));
}

// The script file's last write time and size; a rewrite changes them.
std::pair<ULONGLONG, DWORD> ScriptStamp(const std::wstring& path) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) return {0, 0};
  const FILETIME& written = data.ftLastWriteTime;
  return {(ULONGLONG{written.dwHighDateTime} << 32) | written.dwLowDateTime, data.nFileSizeLow};
}

// From now on, a rewritten script takes connections up or down before the next call.
void FollowScriptRewrites(FakeNetconWorld& world, const std::wstring& script) {
  world.SetBeforeEachCall([&world, script, stamp = ScriptStamp(script)]() mutable {
    const auto now = ScriptStamp(script);
    if (now == stamp) return;
    stamp = now;
    try {
      UpdateNetconStatuses(world, FileBytes(script));
    } catch (const NetconScriptError& error) {
      LogScriptError(world, error);
    }
  });
}

// Starts the world anew from the environment's script; false when the script is bad.
bool LoadWorld(FakeNetconWorld& world) {
  world.Reset();
  world.SetLogFile(AnsiPath(EnvironmentValue(L"PELANTO_FAKE_NETCON_LOG")));
  const std::wstring script = EnvironmentValue(L"PELANTO_FAKE_NETCON_SCRIPT");
  if (script.empty()) return true;
  try {
    FollowScriptRewrites(world, script);  // from the file as it is before reading it
    LoadNetconScript(world, FileBytes(script));
    return true;
  } catch (const NetconScriptError& error) {
    LogScriptError(world, error);
    return false;
  }
}

FakeNetconWorld& World() {
  static FakeNetconWorld world;
  static const bool loaded = LoadWorld(world);
  (void)loaded;
  return world;
}

HRESULT CreateManager(IUnknown* outer, REFIID iid, void** object) {
  return CreateFakeSharingManager(World(), CLSID_NetSharingManager, outer, CLSCTX_INPROC_SERVER,
                                  iid, object);
}

StaticClassFactory<CreateManager> factory;

}  // namespace

FAKE_NETCON_EXPORT HRESULT STDAPICALLTYPE DllGetClassObject(REFCLSID classId, REFIID iid,
                                                            void** object) {
  if (!object) return E_POINTER;
  *object = nullptr;
  if (classId != CLSID_NetSharingManager) return CLASS_E_CLASSNOTAVAILABLE;
  return factory.QueryInterface(iid, object);
}

// Objects live in the world until the process ends, so the DLL must stay loaded.
FAKE_NETCON_EXPORT HRESULT STDAPICALLTYPE DllCanUnloadNow() { return S_FALSE; }

FAKE_NETCON_EXPORT int FakeNetconReload() { return LoadWorld(World()) ? 1 : 0; }
FAKE_NETCON_EXPORT int FakeNetconLiveObjects() { return World().LiveObjects(); }
FAKE_NETCON_EXPORT int FakeNetconOverReleases() { return World().OverReleases(); }
FAKE_NETCON_EXPORT int FakeNetconLiveBlocks() { return World().LiveBlocks(); }
FAKE_NETCON_EXPORT int FakeNetconBadBlockFrees() { return World().BadBlockFrees(); }
FAKE_NETCON_EXPORT int FakeNetconCalls(const char* method) { return World().Calls(method); }
// Called by the fake NetShell.dll for every block it is given.
FAKE_NETCON_EXPORT void FakeNetconFreeBlock(NETCON_PROPERTIES* block) { World().FreeBlock(block); }
