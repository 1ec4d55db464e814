#pragma once

#include <string>
#include <vector>

class TNTNetConnection;

// The entries and the selection of one connection list, as a window keeps them.
class AdapterListModel {
 public:
  struct Entry {
    std::wstring text;
    TNTNetConnection* connection = nullptr;  // not owned
  };

  void Clear() {
    entries_.clear();
    selected_ = -1;
  }
  void Add(const std::wstring& text, TNTNetConnection* connection) {
    entries_.push_back({text, connection});
  }
  int Count() const { return static_cast<int>(entries_.size()); }
  // Null outside 0 to Count-1.
  TNTNetConnection* ConnectionAt(int index) const {
    return InRange(index) ? entries_[static_cast<size_t>(index)].connection : nullptr;
  }
  int Selected() const { return selected_; }
  // An index outside 0 to Count-1 leaves the list without a selection.
  void Select(int index) { selected_ = InRange(index) ? index : -1; }
  const std::vector<Entry>& Entries() const { return entries_; }

 private:
  bool InRange(int index) const { return index >= 0 && index < Count(); }

  std::vector<Entry> entries_;
  int selected_ = -1;
};
