#pragma once

#include <functional>
#include <memory>
#include <string>

#include "sharing/NetConfigLibTlb.h"
#include "sharing/com_ptr.h"
#include "sharing/nt_net_connection_list.h"
#include "sharing/sharing_platform.h"

// The program's way into Internet Connection Sharing: holds the sharing manager (made on first
// need) and the list of the PC's connections (built on first read, then kept).
class TNTFirewall {
 public:
  explicit TNTFirewall(SharingPlatform& platform);
  TNTFirewall(const TNTFirewall&) = delete;
  TNTFirewall& operator=(const TNTFirewall&) = delete;
  ~TNTFirewall();

  // Enumerates the connections on the first read that finds any; later reads return the same
  // objects until Refresh. Without a sharing manager the list is empty; an error while
  // building leaves it empty too, and goes on to the caller.
  TNTNetConnectionList& Connections();
  bool ConnectionSharingInstalled();
  // The computer's name; raises "ERROR!" when it cannot be read.
  std::wstring LocalComputer();
  // Drops the list: the next read of Connections enumerates again.
  void Refresh();

  // Used by the connection objects.
  SharingPlatform& Platform() const { return FPlatform; }
  // A new reference to the sharing manager, empty when it cannot be created.
  ComPtr<INetSharingManager> GetSharingManager();
  ComPtr<IEnumVARIANT> GetConnectionEnumerator();
  // The connection's sharing configuration; empty when the manager has none for it.
  ComPtr<INetSharingConfiguration> SharingConfigurationFor(INetConnection& connection);
  // Raises "Public shared connection already exists: %s" when any connection of the system,
  // the caller's own included, is already the public side.
  void CheckNoPublicSharing();

 private:
  // Calls `visit` for every connection the system enumerates, in its order.
  void ForEachConnection(const std::function<void(ComPtr<INetConnection>)>& visit);

  SharingPlatform& FPlatform;
  ComPtr<INetSharingManager> FNetSharingManager;
  std::unique_ptr<TNTNetConnectionList> FConnections;
};
