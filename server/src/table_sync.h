#pragma once
// Keeps the in-memory ranking in step with the database, which every instance writes: whatever
// was committed, here or by another instance, reaches this ranking at the next catch-up. A page
// is only rendered from a ranking caught up within `maxAge`, so no instance serves a stale table.
#include <atomic>
#include <chrono>
#include <functional>
#include <mutex>

#include "ranking.h"
#include "score_store.h"

namespace vontra::scores {

class TableSync {
 public:
  using Clock = std::function<int64_t()>;  // seconds since the epoch: places the periods

  TableSync(Ranking& ranking, Clock clock, std::chrono::milliseconds maxAge)
      : ranking_(ranking), clock_(std::move(clock)), maxAge_(maxAge) {}

  // Reads every result the ranking lacks. Throws when the store fails; the ranking then counts
  // as out of date until a catch-up succeeds.
  void CatchUp(ScoreStore& store);
  // Catches up unless that was done within maxAge; callers arriving during a catch-up wait for
  // it rather than starting their own.
  void EnsureFresh(ScoreStore& store);
  bool Fresh() const;
  // Something was committed: the next page catches up first. Cheaper for the writer than
  // catching up itself, and a catch-up already under way no longer counts as fresh.
  void Invalidate();

 private:
  using Steady = std::chrono::steady_clock;
  void CatchUpLocked(ScoreStore& store);

  Ranking& ranking_;
  Clock clock_;
  std::chrono::milliseconds maxAge_;
  std::mutex mutex_;                        // one catch-up at a time
  std::atomic<Steady::rep> caughtUpAt_{0};  // when the last successful catch-up began; 0: never
  std::atomic<uint64_t> invalidations_{0};
};

}  // namespace vontra::scores
