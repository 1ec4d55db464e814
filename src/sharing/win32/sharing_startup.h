#pragma once

#include "sharing/NetShell.h"
#include "sharing/win32/module_loader.h"
#include "sharing/win32/system_sharing_platform.h"

// COM on the main thread for the program's whole run: CoInitialize, then the process-wide
// security; CoUninitialize at the end only when CoInitialize succeeded.
class ComStartup {
 public:
  ComStartup();
  ComStartup(const ComStartup&) = delete;
  ComStartup& operator=(const ComStartup&) = delete;
  ~ComStartup();

  bool Initialized() const { return initialized_; }

 private:
  bool initialized_ = false;
};

// The sharing component's groundwork, made first thing on the main thread, before the window,
// and undone after it: NetShell.dll loaded, COM set up; at the end COM goes before the library.
// The window's TNTFirewall is built on Platform() and must be destroyed before this object.
class SharingStartup {
 public:
  SharingStartup() : netShell_(loader_), platform_(netShell_) {}

  SharingPlatform& Platform() { return platform_; }

 private:
  SystemModuleLoader loader_;
  NetShell netShell_;
  ComStartup com_;
  SystemSharingPlatform platform_;
};
