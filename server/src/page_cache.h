#pragma once
// Rendered pages by name and table version, within a memory bound (least recently used pages go
// first). Requests for one page that miss together wait for a single render.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <future>
#include <list>
#include <memory>
#include <mutex>
#include <string>
#include <unordered_map>

namespace vontra::scores {

class PageCache {
 public:
  using Page = std::shared_ptr<const std::string>;

  explicit PageCache(size_t maxBytes) : maxBytes_(maxBytes) {}

  // The page already rendered for this version, or null.
  Page Find(const std::string& key, uint64_t version);
  // The page for this version, rendered once however many ask at the same time. A failed render
  // throws to every caller that waited for it and is not kept.
  Page Get(const std::string& key, uint64_t version, const std::function<std::string()>& render);

  size_t Bytes() const;

 private:
  struct Slot {
    uint64_t version = 0;
    uint64_t ticket = 0;  // which render filled it
    std::shared_future<Page> page;
    size_t bytes = 0;  // 0 while rendering
    std::list<std::string>::iterator recent;
  };
  void Drop(std::unordered_map<std::string, Slot>::iterator slot);

  size_t maxBytes_;
  mutable std::mutex mutex_;
  std::unordered_map<std::string, Slot> slots_;
  std::list<std::string> recent_;  // most recently used first
  size_t bytes_ = 0;
  uint64_t tickets_ = 0;
};

}  // namespace vontra::scores
