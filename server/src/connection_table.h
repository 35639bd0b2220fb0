#pragma once
// The open connections by sender, so that no one sender can hold them all: each sender has a cap
// of its own, and when the whole table is full a newcomer takes the place of a connection of the
// busiest sender, as long as it is not that busy itself.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <list>
#include <mutex>
#include <optional>
#include <string>
#include <unordered_map>

namespace vontra::scores {

class ConnectionTable {
 public:
  using Id = uint64_t;
  using CloseAction = std::function<void()>;

  ConnectionTable(size_t maxTotal, size_t maxPerSender);

  struct Admission {
    std::optional<Id> id;  // empty: refused
    CloseAction evict;     // set when a place was freed: the caller closes that connection
  };
  // `exempt` senders (our own proxies) carry many clients and have no cap of their own.
  Admission Admit(const std::string& sender, bool exempt, CloseAction close);
  // A connection ended; an id already evicted is ignored.
  void Release(const std::string& sender, Id id);
  size_t Open() const;

 private:
  struct Entry {
    Id id;
    CloseAction close;
  };
  struct Sender {
    std::list<Entry> connections;  // oldest first
    bool exempt = false;
  };
  const size_t maxTotal_;
  const size_t maxPerSender_;
  mutable std::mutex mutex_;
  std::unordered_map<std::string, Sender> senders_;
  size_t open_ = 0;
  Id nextId_ = 1;
};

}  // namespace vontra::scores
