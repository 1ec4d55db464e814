#pragma once

#include "sharing/NetConfigLibTlb.h"

// One variant that is emptied (its interface released) before each reuse and at the end.
class VariantHolder {
 public:
  VariantHolder() { VariantInit(&value_); }
  VariantHolder(const VariantHolder&) = delete;
  VariantHolder& operator=(const VariantHolder&) = delete;
  ~VariantHolder() { Clear(); }

  VARIANT* Receive() {
    Clear();
    return &value_;
  }
  void Clear() { VariantClear(&value_); }
  // The interface the variant holds, or null when it holds none.
  IUnknown* Interface() const {
    if (value_.vt == VT_UNKNOWN) return value_.punkVal;
    if (value_.vt == VT_DISPATCH) return value_.pdispVal;
    return nullptr;
  }

 private:
  VARIANT value_;
};
