#pragma once

#include <windows.h>
// The COM headers need windows.h first.
#include <objbase.h>

// The class factory of a fake in-process COM server. It is static and lives as long as the DLL,
// so its references are not counted; `Create` makes one object and queries it for `iid`.
template <HRESULT (*Create)(IUnknown* outer, REFIID iid, void** object)>
class StaticClassFactory : public IClassFactory {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
    if (!object) return E_POINTER;
    *object = nullptr;
    if (iid != IID_IUnknown && iid != IID_IClassFactory) return E_NOINTERFACE;
    *object = static_cast<IClassFactory*>(this);
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }
  HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** object) override {
    return Create(outer, iid, object);
  }
  HRESULT STDMETHODCALLTYPE LockServer(BOOL) override { return S_OK; }
};
