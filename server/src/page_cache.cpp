#include "page_cache.h"

namespace vontra::scores {

PageCache::Page PageCache::Find(const std::string& key, uint64_t version) {
  std::lock_guard lock(mutex_);
  const auto it = slots_.find(key);
  if (it == slots_.end() || it->second.version != version || it->second.bytes == 0) return nullptr;
  recent_.splice(recent_.begin(), recent_, it->second.recent);
  return it->second.page.get();
}

PageCache::Page PageCache::Get(const std::string& key, uint64_t version,
                               const std::function<std::string()>& render) {
  std::unique_lock lock(mutex_);
  if (const auto it = slots_.find(key); it != slots_.end()) {
    if (it->second.version == version) {
      recent_.splice(recent_.begin(), recent_, it->second.recent);
      const std::shared_future<Page> waiting = it->second.page;
      lock.unlock();
      return waiting.get();
    }
    Drop(it);
  }
  std::promise<Page> promise;
  const uint64_t ticket = ++tickets_;
  recent_.push_front(key);
  slots_.emplace(key, Slot{version, ticket, promise.get_future().share(), 0, recent_.begin()});
  lock.unlock();

  Page page;
  try {
    page = std::make_shared<const std::string>(render());
  } catch (...) {
    promise.set_exception(std::current_exception());
    lock.lock();
    if (const auto it = slots_.find(key); it != slots_.end() && it->second.ticket == ticket)
      Drop(it);
    throw;
  }
  promise.set_value(page);
  lock.lock();
  if (const auto it = slots_.find(key); it != slots_.end() && it->second.ticket == ticket) {
    it->second.bytes = key.size() + page->size();
    bytes_ += it->second.bytes;
    // The least recently used finished pages go until the rest fits; the page just made stays.
    auto older = recent_.end();
    while (bytes_ > maxBytes_ && older != recent_.begin()) {
      const auto victim = std::prev(older);
      const auto slot = slots_.find(*victim);
      if (*victim == key || slot->second.bytes == 0) {
        older = victim;
      } else {
        Drop(slot);
      }
    }
  }
  return page;
}

size_t PageCache::Bytes() const {
  std::lock_guard lock(mutex_);
  return bytes_;
}

void PageCache::Drop(std::unordered_map<std::string, Slot>::iterator slot) {
  bytes_ -= slot->second.bytes;
  recent_.erase(slot->second.recent);
  slots_.erase(slot);
}

}  // namespace vontra::scores
