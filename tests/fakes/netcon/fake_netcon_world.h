#pragma once

// A scriptable stand-in for the system's home-networking classes. The same world runs in the
// native unit tests and, built as FakeNetcon.dll, as the in-process COM server that Wine tests
// register under CLSID_NetSharingManager.
//
// Script (a UTF-8 text file; the DLL reads the path from PELANTO_FAKE_NETCON_SCRIPT):
//   # comment                       blank lines and lines starting with # are skipped
//   connection|{GUID}|name|device name|status|media type|characteristics|sharing|firewall
//       sharing: none (no sharing configuration), off, public or private; firewall: 0 or 1
//   installed|0                     sharing reported as not installed (installed by default)
//   fail|Method|HRESULT[|N]         the Nth call (1-based; every call when N is left out) of
//                                   Method returns HRESULT; a success code such as 1 (S_FALSE)
//                                   still does the work. Method is a method name (GetProperties,
//                                   Next, EnableSharing, CoCreateInstance, ...) or
//                                   QueryInterface.INetConnection / QueryInterface.IEnumVARIANT.
//   computer|NAME                   the computer name (native fake platform only)
// Numbers are decimal or 0x hexadecimal. When PELANTO_FAKE_NETCON_LOG names a file (a Windows
// path such as Z:\tmp\log.txt), the DLL appends one UTF-8 line per call that changes the world:
// "Connect {GUID}", "EnableSharing {GUID} 1", "DisableSharing {GUID}", "Rename {GUID} name", ...
// While it runs, the DLL follows a rewrite of the script file (rename a new file over it): each
// connection line then gives its connection's new status (UpdateNetconStatuses).
// Under Wine: register FakeNetcon.dll (target fake_netcon_server) as the InprocServer32 of
// HKLM\Software\Classes\CLSID\{5C63C1AD-3956-4FF8-8486-40034758315B} with ThreadingModel
// Apartment, and put NetShell.dll (target fake_netshell) beside the program.

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "sharing/NetConfigLibTlb.h"

struct FakeConnection {
  GUID guid{};
  std::wstring name;
  std::wstring deviceName;
  uint32_t status = NCS_CONNECTED;
  uint32_t mediaType = 3;  // NCM_LAN
  uint32_t characteristics = 0;
  bool hasSharingConfiguration = true;
  bool sharingEnabled = false;
  uint32_t sharingType = ICSSHARINGTYPE_PUBLIC;
  bool firewallEnabled = false;
  bool deleted = false;
};

// Bookkeeping shared by every fake COM object: its reference count.
class FakeObject {
 public:
  virtual ~FakeObject() = default;
  ULONG references = 0;
};

class FakeNetconWorld {
 public:
  FakeNetconWorld();
  FakeNetconWorld(const FakeNetconWorld&) = delete;
  FakeNetconWorld& operator=(const FakeNetconWorld&) = delete;
  ~FakeNetconWorld();

  // The world the fake NetShell routine and the COM server work on.
  static FakeNetconWorld* Current();

  FakeConnection& AddConnection(FakeConnection connection);
  // Connections in enumeration order, deleted ones left out.
  std::vector<FakeConnection*> LiveConnections();
  FakeConnection* FindConnection(const GUID& guid);
  // A fresh GUID for a duplicated connection.
  GUID NextDuplicateGuid(const GUID& original);
  void SetSharingInstalled(bool installed) { sharingInstalled_ = installed; }
  bool SharingInstalled() const { return sharingInstalled_; }
  // The `nth` call (1-based; 0 for every call) of `method` returns `result`.
  void FailCall(const std::string& method, HRESULT result, int nth = 0);
  std::optional<std::wstring> computerName = L"PELANTO-PC";

  // Called first by every fake method: runs the hook below, counts the call and gives the
  // injected result, if any.
  std::optional<HRESULT> Enter(const std::string& method);
  // Runs at the start of every call; the DLL follows a rewritten script file through it.
  void SetBeforeEachCall(std::function<void()> hook) { beforeEachCall_ = std::move(hook); }
  int Calls(const std::string& method) const;
  // Every method called so far with its number of calls.
  const std::map<std::string, int>& CallCounts() const { return calls_; }
  // A call that changed the world, for tests and for the DLL's log file.
  void Log(const std::wstring& line);
  const std::vector<std::wstring>& LogLines() const { return log_; }
  void SetLogFile(std::string path) { logFile_ = std::move(path); }

  // Objects stay allocated until the world ends, so a release too many is counted, not a crash.
  template <typename Object, typename... Arguments>
  Object* Make(Arguments&&... arguments) {
    auto object = std::make_unique<Object>(*this, std::forward<Arguments>(arguments)...);
    Object* raw = object.get();
    objects_.push_back(std::move(object));
    return raw;
  }
  void NoteOverRelease() { ++overReleases_; }
  int LiveObjects() const;
  int OverReleases() const { return overReleases_; }

  // Which connection record a connection object of this world stands for.
  void RegisterConnectionObject(const INetConnection* object, FakeConnection* connection);
  FakeConnection* ConnectionOf(const INetConnection* object) const;

  // Properties blocks handed out and not yet given back.
  NETCON_PROPERTIES* AllocateBlock(const FakeConnection& connection);
  // A pointer this world did not hand out (or already took back) is only counted.
  void FreeBlock(NETCON_PROPERTIES* block);
  int LiveBlocks() const { return static_cast<int>(blocks_.size()); }
  int BadBlockFrees() const { return badBlockFrees_; }

  // Forgets connections, rules, counts, log and blocks not handed back; objects already handed
  // out stay valid.
  void Reset();

 private:
  struct Rule {
    HRESULT result;
    int nth;
  };

  std::vector<std::unique_ptr<FakeConnection>> connections_;
  std::vector<std::unique_ptr<FakeConnection>> retired_;
  std::multimap<std::string, Rule> rules_;
  std::map<std::string, int> calls_;
  std::vector<std::wstring> log_;
  std::string logFile_;
  std::function<void()> beforeEachCall_;
  std::vector<std::unique_ptr<FakeObject>> objects_;
  std::map<const INetConnection*, FakeConnection*> connectionObjects_;
  std::vector<NETCON_PROPERTIES*> blocks_;
  bool sharingInstalled_ = true;
  int overReleases_ = 0;
  int badBlockFrees_ = 0;
  int duplicates_ = 0;
};
