#include "sharing/NetShell.h"

#include "common/app_error.h"

NetShell::NetShell(ModuleLoader& loader) : loader_(loader), libraryName_(kLibraryName) {
  module_ = loader_.Load(libraryName_);
  if (Loaded()) freeRoutine_ = loader_.FindNcFreeNetconProperties(module_);
}

NetShell::~NetShell() {
  if (Loaded()) loader_.Free(module_);
  libraryName_.clear();
}

void NetShell::NcFreeNetconProperties(NETCON_PROPERTIES* properties) const {
  if (!freeRoutine_) {
    throw AppError(L"Cannot load library \"" + libraryName_ + L"\" or linked libraries");
  }
  freeRoutine_(properties);
}
