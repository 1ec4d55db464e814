#pragma once

#include <windows.h>

#include <string>

// The fake home-networking COM server, registered under CLSID_NetSharingManager in the test
// prefix for the object's life, with its script and log in a folder of their own.
class FakeNetconServer {
 public:
  explicit FakeNetconServer(const std::string& script);
  FakeNetconServer(const FakeNetconServer&) = delete;
  FakeNetconServer& operator=(const FakeNetconServer&) = delete;
  ~FakeNetconServer();

  int LiveObjects() const { return Diagnostic("FakeNetconLiveObjects"); }
  int OverReleases() const { return Diagnostic("FakeNetconOverReleases"); }
  int LiveBlocks() const { return Diagnostic("FakeNetconLiveBlocks"); }
  int BadBlockFrees() const { return Diagnostic("FakeNetconBadBlockFrees"); }
  // The calls that changed the world, one a line.
  std::string Log() const;

 private:
  int Diagnostic(const char* name) const;

  std::wstring folder_;
  HMODULE module_ = nullptr;
};

// Removes any registration of CLSID_NetSharingManager: the bare system of a fresh prefix.
void UnregisterFakeNetconServer();

// The folder where the fake NetShell.dll is built.
std::wstring FakeNetShellFolder();
