#include "fakes/netcon/fake_netcon_objects.h"

#include <cstring>

#include "sharing/guid_text.h"

namespace {

VARIANT_BOOL ToVariantBool(bool value) { return value ? static_cast<VARIANT_BOOL>(-1) : 0; }

std::wstring Text(LPCWSTR text) { return text ? std::wstring(text) : std::wstring(); }

std::wstring Ascii(const char* text) { return std::wstring(text, text + std::strlen(text)); }

}  // namespace

// --- connection -------------------------------------------------------------------------------

FakeNetConnection::FakeNetConnection(FakeNetconWorld& world, FakeConnection& connection)
    : FakeComObject(world, IID_INetConnection, "QueryInterface.INetConnection"),
      connection_(connection) {
  world.RegisterConnectionObject(this, &connection);
}

HRESULT FakeNetConnection::Connect() {
  return RunFakeCall(Enter("Connect"), [&] {
    connection_.status = NCS_CONNECTED;
    world_.Log(L"Connect " + GuidText(connection_.guid));
    return S_OK;
  });
}

HRESULT FakeNetConnection::Disconnect() {
  return RunFakeCall(Enter("Disconnect"), [&] {
    connection_.status = NCS_DISCONNECTED;
    world_.Log(L"Disconnect " + GuidText(connection_.guid));
    return S_OK;
  });
}

HRESULT FakeNetConnection::Delete() {
  return RunFakeCall(Enter("Delete"), [&] {
    connection_.deleted = true;
    world_.Log(L"Delete " + GuidText(connection_.guid));
    return S_OK;
  });
}

HRESULT FakeNetConnection::Duplicate(LPCWSTR newName, INetConnection** copy) {
  if (!copy) return E_POINTER;
  *copy = nullptr;
  return RunFakeCall(Enter("Duplicate"), [&] {
    FakeConnection duplicate = connection_;
    duplicate.guid = world_.NextDuplicateGuid(connection_.guid);
    duplicate.name = Text(newName);
    duplicate.sharingEnabled = false;
    FakeConnection& added = world_.AddConnection(duplicate);
    world_.Log(L"Duplicate " + GuidText(connection_.guid) + L" " + GuidText(added.guid) + L" " +
               added.name);
    *copy = world_.Make<FakeNetConnection>(added)->Owned();
    return S_OK;
  });
}

HRESULT FakeNetConnection::GetProperties(NETCON_PROPERTIES** properties) {
  if (!properties) return E_POINTER;
  *properties = nullptr;
  return RunFakeCall(Enter("GetProperties"), [&] {
    *properties = world_.AllocateBlock(connection_);
    return S_OK;
  });
}

HRESULT FakeNetConnection::GetUiObjectClassId(CLSID*) { return E_NOTIMPL; }

HRESULT FakeNetConnection::Rename(LPCWSTR newName) {
  return RunFakeCall(Enter("Rename"), [&] {
    connection_.name = Text(newName);
    world_.Log(L"Rename " + GuidText(connection_.guid) + L" " + connection_.name);
    return S_OK;
  });
}

// --- sharing configuration --------------------------------------------------------------------

FakeSharingConfiguration::FakeSharingConfiguration(FakeNetconWorld& world,
                                                   FakeConnection& connection)
    : FakeDispatchObject(world, IID_INetSharingConfiguration, nullptr), connection_(connection) {}

HRESULT FakeSharingConfiguration::get_SharingEnabled(VARIANT_BOOL* enabled) {
  if (!enabled) return E_POINTER;
  return RunFakeCall(Enter("get_SharingEnabled"), [&] {
    *enabled = ToVariantBool(connection_.sharingEnabled);
    return S_OK;
  });
}

HRESULT FakeSharingConfiguration::get_SharingConnectionType(SHARINGCONNECTIONTYPE* type) {
  if (!type) return E_POINTER;
  return RunFakeCall(Enter("get_SharingConnectionType"), [&] {
    *type = connection_.sharingType;
    return S_OK;
  });
}

HRESULT FakeSharingConfiguration::SetSharing(const char* method, bool enabled, uint32_t type) {
  return RunFakeCall(Enter(method), [&] {
    connection_.sharingEnabled = enabled;
    if (enabled) connection_.sharingType = type;
    world_.Log(Ascii(method) + L" " + GuidText(connection_.guid) +
               (enabled ? L" " + std::to_wstring(type) : L""));
    return S_OK;
  });
}

HRESULT FakeSharingConfiguration::DisableSharing() {
  return SetSharing("DisableSharing", false, 0);
}

HRESULT FakeSharingConfiguration::EnableSharing(SHARINGCONNECTIONTYPE type) {
  return SetSharing("EnableSharing", true, type);
}

HRESULT FakeSharingConfiguration::get_InternetFirewallEnabled(VARIANT_BOOL* enabled) {
  if (!enabled) return E_POINTER;
  return RunFakeCall(Enter("get_InternetFirewallEnabled"), [&] {
    *enabled = ToVariantBool(connection_.firewallEnabled);
    return S_OK;
  });
}

HRESULT FakeSharingConfiguration::SetFirewall(const char* method, bool enabled) {
  return RunFakeCall(Enter(method), [&] {
    connection_.firewallEnabled = enabled;
    world_.Log(Ascii(method) + L" " + GuidText(connection_.guid));
    return S_OK;
  });
}

HRESULT FakeSharingConfiguration::DisableInternetFirewall() {
  return SetFirewall("DisableInternetFirewall", false);
}

HRESULT FakeSharingConfiguration::EnableInternetFirewall() {
  return SetFirewall("EnableInternetFirewall", true);
}

HRESULT FakeSharingConfiguration::get_EnumPortMappings(uint32_t, IDispatch**) { return E_NOTIMPL; }

HRESULT FakeSharingConfiguration::AddPortMapping(BSTR, UCHAR, USHORT, USHORT, DWORD, BSTR, uint32_t,
                                                 IDispatch**) {
  return E_NOTIMPL;
}

HRESULT FakeSharingConfiguration::RemovePortMapping(IDispatch*) { return E_NOTIMPL; }

// --- enumeration ------------------------------------------------------------------------------

FakeConnectionEnumerator::FakeConnectionEnumerator(FakeNetconWorld& world)
    : FakeComObject(world, IID_IEnumVARIANT, "QueryInterface.IEnumVARIANT"),
      connections_(world.LiveConnections()) {}

HRESULT FakeConnectionEnumerator::Next(ULONG count, VARIANT* items, ULONG* fetched) {
  if (!items) return E_POINTER;
  ULONG done = 0;
  const HRESULT result = RunFakeCall(Enter("Next"), [&] {
    for (; done < count && position_ < connections_.size(); ++done, ++position_) {
      VariantInit(&items[done]);
      items[done].vt = VT_UNKNOWN;
      items[done].punkVal = world_.Make<FakeNetConnection>(*connections_[position_])->Owned();
    }
    return done == count ? S_OK : S_FALSE;
  });
  if (fetched) *fetched = done;
  return result;
}

HRESULT FakeConnectionEnumerator::Skip(ULONG) { return E_NOTIMPL; }

HRESULT FakeConnectionEnumerator::Reset() {
  position_ = 0;
  return S_OK;
}

HRESULT FakeConnectionEnumerator::Clone(IEnumVARIANT**) { return E_NOTIMPL; }

FakeEveryConnectionCollection::FakeEveryConnectionCollection(FakeNetconWorld& world)
    : FakeDispatchObject(world, IID_IDispatch, nullptr) {}

HRESULT FakeEveryConnectionCollection::get__NewEnum(IUnknown** enumerator) {
  if (!enumerator) return E_POINTER;
  *enumerator = nullptr;
  return RunFakeCall(Enter("get__NewEnum"), [&] {
    *enumerator = world_.Make<FakeConnectionEnumerator>()->Owned();
    return S_OK;
  });
}

HRESULT FakeEveryConnectionCollection::get_Count(LONG* count) {
  if (!count) return E_POINTER;
  *count = static_cast<LONG>(world_.LiveConnections().size());
  return S_OK;
}

// --- manager ----------------------------------------------------------------------------------

FakeSharingManager::FakeSharingManager(FakeNetconWorld& world)
    : FakeDispatchObject(world, IID_INetSharingManager, nullptr) {}

HRESULT FakeSharingManager::get_SharingInstalled(VARIANT_BOOL* installed) {
  if (!installed) return E_POINTER;
  return RunFakeCall(Enter("get_SharingInstalled"), [&] {
    *installed = ToVariantBool(world_.SharingInstalled());
    return S_OK;
  });
}

HRESULT FakeSharingManager::get_EnumPublicConnections(uint32_t, IDispatch**) { return E_NOTIMPL; }

HRESULT FakeSharingManager::get_EnumPrivateConnections(uint32_t, IDispatch**) { return E_NOTIMPL; }

HRESULT FakeSharingManager::get_INetSharingConfigurationForINetConnection(
    INetConnection* connection, INetSharingConfiguration** configuration) {
  if (!configuration) return E_POINTER;
  *configuration = nullptr;
  return RunFakeCall(Enter("get_INetSharingConfigurationForINetConnection"), [&] {
    FakeConnection* record = world_.ConnectionOf(connection);
    if (!record) return E_INVALIDARG;
    if (!record->hasSharingConfiguration) return E_FAIL;
    *configuration = world_.Make<FakeSharingConfiguration>(*record)->Owned();
    return S_OK;
  });
}

HRESULT FakeSharingManager::get_EnumEveryConnection(
    INetSharingEveryConnectionCollection** connections) {
  if (!connections) return E_POINTER;
  *connections = nullptr;
  return RunFakeCall(Enter("get_EnumEveryConnection"), [&] {
    *connections = world_.Make<FakeEveryConnectionCollection>()->Owned();
    return S_OK;
  });
}

HRESULT FakeSharingManager::get_NetConnectionProps(INetConnection*, IDispatch**) {
  return E_NOTIMPL;
}

HRESULT CreateFakeSharingManager(FakeNetconWorld& world, REFCLSID classId, IUnknown* outer,
                                 DWORD context, REFIID iid, void** object) {
  if (!object) return E_POINTER;
  *object = nullptr;
  if (auto injected = world.Enter("CoCreateInstance"); injected && FAILED(*injected)) {
    return *injected;
  }
  if (!(classId == CLSID_NetSharingManager) || (context & 1u) == 0) return REGDB_E_CLASSNOTREG;
  if (outer) return CLASS_E_NOAGGREGATION;
  FakeSharingManager* manager = world.Make<FakeSharingManager>();
  manager->AddRef();
  const HRESULT result = manager->QueryInterface(iid, object);
  manager->Release();
  return result;
}
