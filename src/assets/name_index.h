#pragma once
// The 256-bucket name index of an item list. Names are compared without regard to case; the
// item named most recently heads its bucket, so of two items with one name the later is found.
#include <algorithm>
#include <array>
#include <string_view>
#include <vector>

#include "assets/ansi_text.h"

namespace vontra {

inline int NameBucket(std::string_view name) {
  const size_t n = name.size();
  size_t h = n * 16;
  if (n >= 2) {
    h += LowerAnsi(static_cast<uint8_t>(name[0])) + LowerAnsi(static_cast<uint8_t>(name[n - 2]));
  }
  return static_cast<int>(h % 256);
}

// Item must have `const std::string& Name() const`.
template <class Item>
class TNameIndex {
 public:
  void Insert(Item* item) { buckets_[NameBucket(item->Name())].push_back(item); }
  void Remove(Item* item) {
    auto& chain = buckets_[NameBucket(item->Name())];
    auto it = std::find(chain.begin(), chain.end(), item);
    if (it != chain.end()) chain.erase(it);
  }
  // Chains are kept oldest first; the walk starts at the newest.
  Item* Find(std::string_view name) const {
    const auto& chain = buckets_[NameBucket(name)];
    for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
      if (SameTextAnsi((*it)->Name(), name)) return *it;
    }
    return nullptr;
  }
  void Clear() {
    for (auto& chain : buckets_) chain.clear();
  }

 private:
  std::array<std::vector<Item*>, 256> buckets_;
};

}  // namespace vontra
