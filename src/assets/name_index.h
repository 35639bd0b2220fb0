#pragma once
// The 256-bucket name index of an item list. Names are compared without regard to case; the
// item named most recently heads its bucket, so of two items with one name the later is found.
#include <algorithm>
#include <array>
#include <cstring>
#include <string>
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
  void Insert(Item* item) {
    buckets_[NameBucket(item->Name())].push_back({item, Lower(item->Name())});
  }
  void Remove(Item* item) {
    auto& chain = buckets_[NameBucket(item->Name())];
    auto it =
        std::find_if(chain.begin(), chain.end(), [&](const Entry& e) { return e.item == item; });
    if (it != chain.end()) chain.erase(it);
  }
  // Chains are kept oldest first; the walk starts at the newest. Lookups run while screens
  // open, so the query is lower-cased once into a stack buffer and compared bytewise.
  Item* Find(std::string_view name) const {
    const auto& chain = buckets_[NameBucket(name)];
    char buffer[128];
    if (name.size() > sizeof buffer) return FindSlow(chain, name);
    for (size_t i = 0; i < name.size(); ++i)
      buffer[i] = static_cast<char>(LowerAnsi(static_cast<uint8_t>(name[i])));
    for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
      if (it->lower.size() == name.size() &&
          std::memcmp(it->lower.data(), buffer, name.size()) == 0)
        return it->item;
    }
    return nullptr;
  }
  void Clear() {
    for (auto& chain : buckets_) chain.clear();
  }

 private:
  struct Entry {
    Item* item;
    std::string lower;
  };
  static std::string Lower(std::string_view s) {
    std::string out(s);
    for (char& c : out) c = static_cast<char>(LowerAnsi(static_cast<uint8_t>(c)));
    return out;
  }
  static Item* FindSlow(const std::vector<Entry>& chain, std::string_view name) {
    for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
      if (SameTextAnsi(it->lower, name)) return it->item;
    }
    return nullptr;
  }

  std::array<std::vector<Entry>, 256> buckets_;
};

}  // namespace vontra
