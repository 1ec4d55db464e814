#pragma once

#include <string>

#include "sharing/NetConfigLibTlb.h"
#include "sharing/sharing_platform.h"

// One properties block of a connection, read on construction and handed back to the shell
// networking library exactly once.
class NetconPropertiesBlock {
 public:
  NetconPropertiesBlock(INetConnection& connection, SharingPlatform& platform);
  NetconPropertiesBlock(const NetconPropertiesBlock&) = delete;
  NetconPropertiesBlock& operator=(const NetconPropertiesBlock&) = delete;
  // Hands the block back if Free was not reached, swallowing a failure (an error is already
  // on its way out).
  ~NetconPropertiesBlock();

  const NETCON_PROPERTIES* operator->() const { return block_; }
  // Hands the block back; raises the missing-library error.
  void Free();

 private:
  SharingPlatform& platform_;
  NETCON_PROPERTIES* block_ = nullptr;
};

// The text of a string field of the block; a missing string is an empty text.
std::wstring PropertyText(const wchar_t* text);
