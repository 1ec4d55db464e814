#pragma once

#include <optional>
#include <type_traits>

#include "fakes/netcon/fake_netcon_world.h"

// IUnknown for a fake object of the world: counts references, answers for IUnknown, its own
// interface and, for dispatch interfaces, IDispatch.
template <typename Interface>
class FakeComObject : public Interface, public FakeObject {
 public:
  FakeComObject(FakeNetconWorld& world, const IID& ownIid, const char* queryRule)
      : world_(world), ownIid_(ownIid), queryRule_(queryRule) {}

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
    if (!object) return E_POINTER;
    *object = nullptr;
    if (iid == ownIid_ && queryRule_) {
      if (auto injected = world_.Enter(queryRule_); injected && FAILED(*injected)) return *injected;
    }
    if (iid == IID_IUnknown || iid == ownIid_ || (kIsDispatch && iid == IID_IDispatch)) {
      *object = static_cast<Interface*>(this);
      AddRef();
      return S_OK;
    }
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++references; }
  ULONG STDMETHODCALLTYPE Release() override {
    if (references == 0) {
      world_.NoteOverRelease();
      return 0;
    }
    return --references;
  }

  // Hands out the first reference.
  Interface* Owned() {
    AddRef();
    return this;
  }

 protected:
  static constexpr bool kIsDispatch = std::is_base_of_v<IDispatch, Interface>;

  // The injected result of `method`: a failure is returned at once, a success code is
  // returned after doing the work.
  std::optional<HRESULT> Enter(const char* method) { return world_.Enter(method); }

  FakeNetconWorld& world_;

 private:
  const IID& ownIid_;
  const char* queryRule_;
};

// The four IDispatch methods, which nobody calls on these objects.
template <typename Interface>
class FakeDispatchObject : public FakeComObject<Interface> {
 public:
  using FakeComObject<Interface>::FakeComObject;

  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                   UINT*) override {
    return E_NOTIMPL;
  }
};

// Runs `work` unless an injected failure stands in for it; gives the injected success code
// (such as S_FALSE) or S_OK.
template <typename Work>
HRESULT RunFakeCall(std::optional<HRESULT> injected, Work work) {
  if (injected && FAILED(*injected)) return *injected;
  const HRESULT result = work();
  if (FAILED(result)) return result;
  return injected ? *injected : result;
}
