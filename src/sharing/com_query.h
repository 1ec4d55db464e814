#pragma once

#include "common/app_error.h"
#include "sharing/com_error.h"
#include "sharing/com_ptr.h"

// Asks `object` for another of its interfaces; an object that lacks it (or no object at all)
// raises "Interface not supported".
template <typename Interface>
ComPtr<Interface> QueryInterfaceOrRaise(IUnknown* object, REFIID iid) {
  ComPtr<Interface> result;
  if (!object || object->QueryInterface(iid, result.ReceiveVoid()) != S_OK || !result) {
    throw AppError(kInterfaceNotSupported);
  }
  return result;
}
