#include "sharing/win32/sharing_startup.h"

#include <objbase.h>

#include "sharing/InitComSecurity.h"

ComStartup::ComStartup() {
  initialized_ = SUCCEEDED(CoInitialize(nullptr));
  InitThreadComSecurity();
}

ComStartup::~ComStartup() {
  if (initialized_) CoUninitialize();
}
