#include "table_sync.h"

namespace vontra::scores {
namespace {

// Large enough that a catch-up is a handful of queries, small enough to bound its memory.
constexpr int64_t kChunk = 20'000;

}  // namespace

void TableSync::CatchUp(ScoreStore& store) {
  std::lock_guard lock(mutex_);
  CatchUpLocked(store);
}

void TableSync::EnsureFresh(ScoreStore& store) {
  if (Fresh()) return;
  std::lock_guard lock(mutex_);
  if (Fresh()) return;  // done by the catch-up this call waited for
  CatchUpLocked(store);
}

bool TableSync::Fresh() const {
  const Steady::rep at = caughtUpAt_.load();
  return at != 0 && Steady::now() - Steady::time_point(Steady::duration(at)) < maxAge_;
}

void TableSync::Invalidate() {
  ++invalidations_;
  caughtUpAt_ = 0;
}

void TableSync::CatchUpLocked(ScoreStore& store) {
  const uint64_t invalidations = invalidations_.load();
  const Steady::time_point began = Steady::now();
  try {
    for (;;) {
      const auto results = store.ResultsAfter(ranking_.LastId(), kChunk);
      ranking_.Apply(results, clock_());
      if (static_cast<int64_t>(results.size()) < kChunk) break;
    }
    ranking_.Advance(clock_());
  } catch (...) {
    caughtUpAt_ = 0;
    throw;
  }
  // A commit during the catch-up may have come after the read: the next page reads again.
  if (invalidations_.load() == invalidations) caughtUpAt_ = began.time_since_epoch().count();
}

}  // namespace vontra::scores
