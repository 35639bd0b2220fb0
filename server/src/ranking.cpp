#include "ranking.h"

#include <mutex>

namespace vontra::scores {

void TabRanking::Add(const StoredResult& result) {
  auto& name = *names_.try_emplace(result.name).first;
  auto& results = name.second.results;
  const Entry entry{{-int64_t{result.score}, result.id}, result.created};
  // Nothing to keep when a result already held ranks higher and lasts as long (or it is this one).
  for (const Entry& held : results) {
    if (entry.key < held.key) break;
    if (held.key == entry.key || Dominates(held, entry)) return;
  }
  const std::optional<Entry> before =
      results.empty() ? std::nullopt : std::optional<Entry>(*results.begin());
  // Results this one outranks and outlasts can never be the best again.
  for (auto it = results.upper_bound(entry); it != results.end();) {
    if (Dominates(entry, *it)) {
      if (expires_) byAge_.erase({it->created, it->key.id});
      it = results.erase(it);
    } else {
      ++it;
    }
  }
  results.insert(entry);
  if (expires_) byAge_.emplace(std::pair{entry.created, entry.key.id}, &name);
  ShowBest(name, before);
}

bool TabRanking::ExpireBefore(int64_t since) {
  bool changed = false;
  while (!byAge_.empty() && byAge_.begin()->first.first < since) {
    const auto [age, name] = *byAge_.begin();
    byAge_.erase(byAge_.begin());
    auto& results = name->second.results;
    const std::optional<Entry> before = *results.begin();
    for (auto it = results.begin(); it != results.end(); ++it) {
      if (it->key.id == age.second) {
        results.erase(it);
        break;
      }
    }
    ShowBest(*name, before);
    if (results.empty()) names_.erase(name->first);
    changed = true;
  }
  return changed;
}

// Puts the name's current best in the order in place of `before`.
void TabRanking::ShowBest(Names::value_type& name, const std::optional<Entry>& before) {
  const auto& results = name.second.results;
  if (before && !results.empty() && results.begin()->key == before->key) return;
  if (before) order_.erase(before->key);
  if (!results.empty())
    order_.insert({results.begin()->key, Shown{&name.first, results.begin()->created}});
}

std::vector<TableRow> TabRanking::Rows(int64_t offset, int64_t limit) const {
  std::vector<TableRow> rows;
  if (offset < 0 || limit <= 0 || offset >= static_cast<int64_t>(order_.size())) return rows;
  auto it = order_.find_by_order(static_cast<size_t>(offset));
  for (int64_t rank = offset + 1; it != order_.end() && rank <= offset + limit; ++it, ++rank) {
    rows.push_back({rank, *it->second.name, static_cast<int32_t>(-it->first.negatedScore),
                    it->second.created});
  }
  return rows;
}

std::optional<int64_t> TabRanking::RankOf(std::string_view name) const {
  const auto it = names_.find(std::string(name));
  if (it == names_.end() || it->second.results.empty()) return std::nullopt;
  return static_cast<int64_t>(order_.order_of_key(it->second.results.begin()->key)) + 1;
}

Ranking::Ranking() : tabs_{TabRanking(false), TabRanking(true), TabRanking(true)} {}

void Ranking::Apply(std::span<const StoredResult> results, int64_t now) {
  std::lock_guard lock(mutex_);
  AdvanceLocked(now);
  for (const StoredResult& result : results) {
    if (result.id <= lastId_) continue;  // already applied
    lastId_ = result.id;
    for (size_t tab = 0; tab < tabs_.size(); ++tab) {
      if (result.created >= since_[tab]) tabs_[tab].Add(result);
    }
  }
  if (!results.empty()) ++version_;
}

void Ranking::Advance(int64_t now) {
  std::lock_guard lock(mutex_);
  AdvanceLocked(now);
}

void Ranking::AdvanceLocked(int64_t now) {
  bool changed = false;
  for (size_t tab = 0; tab < tabs_.size(); ++tab) {
    const int64_t since = PeriodStart(static_cast<Period>(tab), now);
    if (since <= since_[tab]) continue;
    since_[tab] = since;
    changed = tabs_[tab].ExpireBefore(since) || changed;
  }
  if (changed) ++version_;
}

int64_t Ranking::LastId() const {
  std::lock_guard lock(mutex_);
  return lastId_;
}

uint64_t Ranking::Version() const {
  return version_.load();
}

std::vector<TableRow> Ranking::Rows(Period period, int64_t offset, int64_t limit) const {
  std::lock_guard lock(mutex_);
  return tabs_[static_cast<size_t>(period)].Rows(offset, limit);
}

std::optional<int64_t> Ranking::RankOf(Period period, std::string_view name) const {
  std::lock_guard lock(mutex_);
  return tabs_[static_cast<size_t>(period)].RankOf(name);
}

}  // namespace vontra::scores
