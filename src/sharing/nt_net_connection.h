#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "sharing/NetConfigLibTlb.h"
#include "sharing/com_ptr.h"

class TNTNetConnectionList;

// One network connection of the PC: descriptive properties cached by Refresh, status and
// sharing state read live, and the sharing switches with their refusals.
class TNTNetConnection {
 public:
  // Made by its list (TNTNetConnectionList::Add), which appends it and runs Refresh.
  TNTNetConnection(TNTNetConnectionList& list, ComPtr<INetConnection> connection,
                   ComPtr<INetSharingConfiguration> sharingConfiguration);
  TNTNetConnection(const TNTNetConnection&) = delete;
  TNTNetConnection& operator=(const TNTNetConnection&) = delete;
  ~TNTNetConnection();

  const std::wstring& GuidId() const { return FGuidId; }
  const std::wstring& Name() const { return FName; }
  const std::wstring& DeviceName() const { return FDeviceName; }
  uint32_t Characteristics() const { return FCharacteristics; }
  const std::wstring& ClassId() const { return FClassId; }
  const std::wstring& UIClassId() const { return FUIClassId; }
  uint32_t MediaType() const { return FMediaType; }
  std::wstring DisplayName() const;
  // 0-based position in its list.
  int Index() const;

  // Asked of the system at every read: 2 connected, 0 disconnected.
  uint32_t Status();
  bool SharingEnabled();
  void SetSharingEnabled(bool enabled);
  // kSharingTypeNone when sharing is off or the connection has no sharing configuration.
  uint32_t SharingConnectionType();
  void SetSharingConnectionType(uint32_t sharingType);
  bool FirewallEnabled();
  void SetFirewallEnabled(bool enabled);

  // Copies the descriptive properties anew.
  void Refresh();
  void Connect();
  void Disconnect();
  // 0 public side, 1 private side, kSharingTypeNone switches sharing off.
  void EnableSharing(uint32_t ASharingType);
  // The new name shows only after the next Refresh.
  void Rename(const std::wstring& ANewName);
  // A copy of the connection under a new name, appended to the same list; null without a
  // connection.
  TNTNetConnection* Duplicate(const std::wstring& ANewName);
  // Deletes the connection from the system and destroys this object: do not use it afterwards.
  void Delete();

 private:
  void CheckCanShare() const;
  // A 16-bit boolean of the sharing configuration; false without one.
  bool ReadConfigurationFlag(
      const std::function<HRESULT(INetSharingConfiguration&, VARIANT_BOOL*)>& read);

  TNTNetConnectionList& FList;
  ComPtr<INetConnection> FConnection;
  ComPtr<INetSharingConfiguration> FSharingConfiguration;
  uint32_t FCharacteristics = 0;
  std::wstring FUIClassId;
  std::wstring FClassId;
  std::wstring FDeviceName;
  std::wstring FName;
  std::wstring FGuidId;
  uint32_t FMediaType = 0;
};
