#include "sharing/netcon_properties_block.h"

#include <utility>

#include "sharing/com_error.h"

NetconPropertiesBlock::NetconPropertiesBlock(INetConnection& connection, SharingPlatform& platform)
    : platform_(platform) {
  OleCheck(connection.GetProperties(&block_));
  // A success without a block would otherwise be read through a null pointer.
  if (!block_) throw ComError(E_POINTER, ComErrorMessage(E_POINTER));
}

NetconPropertiesBlock::~NetconPropertiesBlock() {
  try {
    Free();
  } catch (...) {
  }
}

void NetconPropertiesBlock::Free() {
  if (NETCON_PROPERTIES* block = std::exchange(block_, nullptr)) {
    platform_.NcFreeNetconProperties(block);
  }
}

std::wstring PropertyText(const wchar_t* text) {
  return text ? std::wstring(text) : std::wstring();
}
