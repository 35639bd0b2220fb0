#pragma once
// The world table kept in memory, one ranking per tab: each name's best result in an
// order-statistics tree, so that a page or a name's rank costs a logarithm, never a scan of the
// results. It is fed the stored results in id order and follows the periods as time passes.
#include <array>
#include <atomic>
#include <cstdint>
#include <map>
#include <mutex>
#include <optional>
#include <set>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>
// clang-format off
#include <ext/pb_ds/assoc_container.hpp>
#include <ext/pb_ds/tree_policy.hpp>
// clang-format on

#include "score_store.h"

namespace vontra::scores {

// One tab: the results inside its period that may still become a name's best.
class TabRanking {
 public:
  // A tab whose period has a moving start drops results as they age out of it.
  explicit TabRanking(bool expires) : expires_(expires) {}

  void Add(const StoredResult& result);
  // Drops the results created before `since`; true when the table changed.
  bool ExpireBefore(int64_t since);
  std::vector<TableRow> Rows(int64_t offset, int64_t limit) const;
  std::optional<int64_t> RankOf(std::string_view name) const;
  size_t NameCount() const { return order_.size(); }

 private:
  // Higher score first, then the result reached earlier (the smaller id).
  struct Key {
    int64_t negatedScore = 0;
    int64_t id = 0;
    auto operator<=>(const Key&) const = default;
  };
  struct Entry {
    Key key;
    int64_t created = 0;
    bool operator<(const Entry& other) const { return key < other.key; }
  };
  struct NameResults {
    std::set<Entry> results;  // best first
  };
  using Names = std::unordered_map<std::string, NameResults>;
  struct Shown {
    const std::string* name = nullptr;
    int64_t created = 0;
  };
  using Order = __gnu_pbds::tree<Key, Shown, std::less<Key>, __gnu_pbds::rb_tree_tag,
                                 __gnu_pbds::tree_order_statistics_node_update>;

  // True when `a` ranks at least as high as `b` and stays in the period at least as long.
  bool Dominates(const Entry& a, const Entry& b) const {
    return a.key < b.key && (!expires_ || a.created >= b.created);
  }
  void Forget(Names::value_type& name, const Entry& entry);
  void ShowBest(Names::value_type& name, const std::optional<Entry>& before);

  bool expires_;
  Names names_;
  Order order_;
  std::map<std::pair<int64_t, int64_t>, Names::value_type*> byAge_;  // (created, id)
};

// The three tabs, kept in step with the database by whoever reads new results from it.
class Ranking {
 public:
  Ranking();

  // Results in id order, all newer than LastId(); `now` places the periods.
  void Apply(std::span<const StoredResult> results, int64_t now);
  // Moves the periods to `now`, dropping what left them.
  void Advance(int64_t now);

  int64_t LastId() const;
  // Changes whenever a page could look different.
  uint64_t Version() const;

  std::vector<TableRow> Rows(Period period, int64_t offset, int64_t limit) const;
  std::optional<int64_t> RankOf(Period period, std::string_view name) const;

 private:
  void AdvanceLocked(int64_t now);

  // A plain mutex: every hold is a few microseconds, and a reader-preferring lock would starve
  // the catch-up under a steady stream of page renders.
  mutable std::mutex mutex_;
  std::array<TabRanking, 3> tabs_;
  std::array<int64_t, 3> since_{};
  int64_t lastId_ = 0;
  std::atomic<uint64_t> version_{0};
};

}  // namespace vontra::scores
