#include "sharing/nt_net_connection_list.h"

#include <string>

#include "common/app_error.h"

TNTNetConnectionList::TNTNetConnectionList(TNTFirewall& owner) : FOwner(owner) {}

TNTNetConnectionList::~TNTNetConnectionList() { Clear(); }

TNTNetConnection& TNTNetConnectionList::Items(int index) const {
  if (index < 0 || index >= Count()) {
    throw AppError(L"List index out of bounds (" + std::to_wstring(index) + L")");
  }
  return *items_[static_cast<size_t>(index)];
}

TNTNetConnection& TNTNetConnectionList::Add(ComPtr<INetConnection> connection,
                                            ComPtr<INetSharingConfiguration> sharingConfiguration) {
  items_.push_back(std::make_unique<TNTNetConnection>(*this, std::move(connection),
                                                      std::move(sharingConfiguration)));
  TNTNetConnection& item = *items_.back();
  try {
    item.Refresh();
  } catch (...) {
    items_.pop_back();
    throw;
  }
  return item;
}

void TNTNetConnectionList::Delete(int index) {
  Items(index);  // the same bounds error as reading
  items_.erase(items_.begin() + index);
}

int TNTNetConnectionList::IndexOf(const TNTNetConnection& item) const {
  for (size_t i = 0; i < items_.size(); ++i) {
    if (items_[i].get() == &item) return static_cast<int>(i);
  }
  return -1;
}

void TNTNetConnectionList::Clear() { items_.clear(); }
