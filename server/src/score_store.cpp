#include "score_store.h"

#include "postgres_store.h"
#include "sqlite_store.h"

namespace vontra::scores {

int64_t PeriodStart(Period period, int64_t now) {
  constexpr int64_t kDay = 24 * 60 * 60;
  switch (period) {
    case Period::kWeek:
      return now - 7 * kDay;
    case Period::kToday:
      return now - now % kDay;
    case Period::kAllTime:
      break;
  }
  return 0;
}

std::unique_ptr<ScoreStore> OpenScoreStore(const std::string& url) {
  if (url.starts_with("postgresql://") || url.starts_with("postgres://"))
    return OpenPostgresStore(url);
  return OpenSqliteStore(url);
}

}  // namespace vontra::scores
