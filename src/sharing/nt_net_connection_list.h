#pragma once

#include <memory>
#include <vector>

#include "sharing/com_ptr.h"
#include "sharing/nt_net_connection.h"

class TNTFirewall;

// The ordered list of connection objects a TNTFirewall owns; it owns its items.
class TNTNetConnectionList {
 public:
  explicit TNTNetConnectionList(TNTFirewall& owner);
  TNTNetConnectionList(const TNTNetConnectionList&) = delete;
  TNTNetConnectionList& operator=(const TNTNetConnectionList&) = delete;
  ~TNTNetConnectionList();

  int Count() const { return static_cast<int>(items_.size()); }
  // Raises "List index out of bounds (%d)" outside 0 to Count-1.
  TNTNetConnection& Items(int index) const;
  TNTFirewall& Owner() const { return FOwner; }

  // Appends an object for the connection and reads its properties; when that fails the new
  // object leaves the list again and the error goes on.
  TNTNetConnection& Add(ComPtr<INetConnection> connection,
                        ComPtr<INetSharingConfiguration> sharingConfiguration);
  void Delete(int index);
  int IndexOf(const TNTNetConnection& item) const;
  // Destroys every item.
  void Clear();

 private:
  TNTFirewall& FOwner;
  std::vector<std::unique_ptr<TNTNetConnection>> items_;
};
