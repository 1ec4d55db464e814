#pragma once

#include <vector>

#include "fakes/netcon/fake_com_object.h"

class FakeNetConnection : public FakeComObject<INetConnection> {
 public:
  FakeNetConnection(FakeNetconWorld& world, FakeConnection& connection);

  HRESULT STDMETHODCALLTYPE Connect() override;
  HRESULT STDMETHODCALLTYPE Disconnect() override;
  HRESULT STDMETHODCALLTYPE Delete() override;
  HRESULT STDMETHODCALLTYPE Duplicate(LPCWSTR newName, INetConnection** copy) override;
  HRESULT STDMETHODCALLTYPE GetProperties(NETCON_PROPERTIES** properties) override;
  HRESULT STDMETHODCALLTYPE GetUiObjectClassId(CLSID* classId) override;
  HRESULT STDMETHODCALLTYPE Rename(LPCWSTR newName) override;

 private:
  FakeConnection& connection_;
};

class FakeSharingConfiguration : public FakeDispatchObject<INetSharingConfiguration> {
 public:
  FakeSharingConfiguration(FakeNetconWorld& world, FakeConnection& connection);

  HRESULT STDMETHODCALLTYPE get_SharingEnabled(VARIANT_BOOL* enabled) override;
  HRESULT STDMETHODCALLTYPE get_SharingConnectionType(SHARINGCONNECTIONTYPE* type) override;
  HRESULT STDMETHODCALLTYPE DisableSharing() override;
  HRESULT STDMETHODCALLTYPE EnableSharing(SHARINGCONNECTIONTYPE type) override;
  HRESULT STDMETHODCALLTYPE get_InternetFirewallEnabled(VARIANT_BOOL* enabled) override;
  HRESULT STDMETHODCALLTYPE DisableInternetFirewall() override;
  HRESULT STDMETHODCALLTYPE EnableInternetFirewall() override;
  HRESULT STDMETHODCALLTYPE get_EnumPortMappings(uint32_t, IDispatch**) override;
  HRESULT STDMETHODCALLTYPE AddPortMapping(BSTR, UCHAR, USHORT, USHORT, DWORD, BSTR, uint32_t,
                                           IDispatch**) override;
  HRESULT STDMETHODCALLTYPE RemovePortMapping(IDispatch*) override;

 private:
  HRESULT SetSharing(const char* method, bool enabled, uint32_t type);
  HRESULT SetFirewall(const char* method, bool enabled);

  FakeConnection& connection_;
};

// Yields one new connection object per connection, in the world's order at its making.
class FakeConnectionEnumerator : public FakeComObject<IEnumVARIANT> {
 public:
  explicit FakeConnectionEnumerator(FakeNetconWorld& world);

  HRESULT STDMETHODCALLTYPE Next(ULONG count, VARIANT* items, ULONG* fetched) override;
  HRESULT STDMETHODCALLTYPE Skip(ULONG count) override;
  HRESULT STDMETHODCALLTYPE Reset() override;
  HRESULT STDMETHODCALLTYPE Clone(IEnumVARIANT** copy) override;

 private:
  std::vector<FakeConnection*> connections_;
  size_t position_ = 0;
};

class FakeEveryConnectionCollection
    : public FakeDispatchObject<INetSharingEveryConnectionCollection> {
 public:
  explicit FakeEveryConnectionCollection(FakeNetconWorld& world);

  HRESULT STDMETHODCALLTYPE get__NewEnum(IUnknown** enumerator) override;
  HRESULT STDMETHODCALLTYPE get_Count(LONG* count) override;
};

class FakeSharingManager : public FakeDispatchObject<INetSharingManager> {
 public:
  explicit FakeSharingManager(FakeNetconWorld& world);

  HRESULT STDMETHODCALLTYPE get_SharingInstalled(VARIANT_BOOL* installed) override;
  HRESULT STDMETHODCALLTYPE get_EnumPublicConnections(uint32_t, IDispatch**) override;
  HRESULT STDMETHODCALLTYPE get_EnumPrivateConnections(uint32_t, IDispatch**) override;
  HRESULT STDMETHODCALLTYPE get_INetSharingConfigurationForINetConnection(
      INetConnection* connection, INetSharingConfiguration** configuration) override;
  HRESULT STDMETHODCALLTYPE
  get_EnumEveryConnection(INetSharingEveryConnectionCollection** connections) override;
  HRESULT STDMETHODCALLTYPE get_NetConnectionProps(INetConnection*, IDispatch**) override;
};

// CoCreateInstance of CLSID_NetSharingManager against the world, with the runtime's checks of
// its arguments.
HRESULT CreateFakeSharingManager(FakeNetconWorld& world, REFCLSID classId, IUnknown* outer,
                                 DWORD context, REFIID iid, void** object);
