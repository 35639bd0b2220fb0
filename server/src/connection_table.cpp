#include "connection_table.h"

namespace vontra::scores {

ConnectionTable::ConnectionTable(size_t maxTotal, size_t maxPerSender)
    : maxTotal_(maxTotal), maxPerSender_(maxPerSender) {}

ConnectionTable::Admission ConnectionTable::Admit(const std::string& sender, bool exempt,
                                                  CloseAction close) {
  std::lock_guard lock(mutex_);
  const auto found = senders_.find(sender);
  const size_t held = found == senders_.end() ? 0 : found->second.connections.size();
  if (!exempt && held >= maxPerSender_) return {};
  Admission admission;
  if (open_ >= maxTotal_) {
    // The busiest sender other than our proxies gives up its oldest connection, unless the
    // newcomer would then be as busy as it.
    Sender* busiest = nullptr;
    for (auto& [key, s] : senders_) {
      if (!s.exempt && (busiest == nullptr || s.connections.size() > busiest->connections.size()))
        busiest = &s;
    }
    if (busiest == nullptr || busiest->connections.size() <= held + 1) return {};
    admission.evict = std::move(busiest->connections.front().close);
    busiest->connections.pop_front();
    --open_;
  }
  Sender& s = senders_[sender];
  s.exempt = exempt;
  s.connections.push_back({nextId_, std::move(close)});
  ++open_;
  admission.id = nextId_++;
  return admission;
}

void ConnectionTable::Release(const std::string& sender, Id id) {
  std::lock_guard lock(mutex_);
  const auto found = senders_.find(sender);
  if (found == senders_.end()) return;
  auto& connections = found->second.connections;
  for (auto it = connections.begin(); it != connections.end(); ++it) {
    if (it->id == id) {
      connections.erase(it);
      --open_;
      break;
    }
  }
  if (connections.empty()) senders_.erase(found);
}

size_t ConnectionTable::Open() const {
  std::lock_guard lock(mutex_);
  return open_;
}

}  // namespace vontra::scores
