#pragma once
// Where results live: one small interface, one implementation per database. Both use the same
// schema and the same migrations. The table itself is ranked in memory (ranking.h).
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vontra::scores {

struct NewResult {
  std::string name;  // UTF-8
  int32_t score = 0;
  std::string extra;    // UTF-8
  std::string address;  // the sender's IP address
  int64_t time = 0;     // seconds since the epoch
};

struct StoredResult {
  int64_t id = 0;  // in the order the results were committed
  std::string name;
  int32_t score = 0;
  int64_t created = 0;
};

struct TableRow {
  int64_t rank = 0;
  std::string name;
  int32_t score = 0;
  int64_t time = 0;
};

// The tabs of the world table: all time, the last 7 days, today (UTC).
enum class Period { kAllTime = 0, kWeek = 1, kToday = 2 };

// The earliest time a period counts from, as seen at `now`.
int64_t PeriodStart(Period period, int64_t now);

// An identical result from the same address within this many seconds is stored once.
inline constexpr int64_t kDuplicateWindowSeconds = 10 * 60;

class ScoreStore {
 public:
  virtual ~ScoreStore() = default;
  // Stores the results in one transaction and returns only after it is committed. A result
  // identical to one the same address sent in the ten minutes before is not stored again.
  // Throws std::runtime_error when the database fails; then nothing of the batch is stored.
  virtual void Add(std::span<const NewResult> results) = 0;
  // Up to `limit` results with an id above `afterId`, in id order. Ids grow in commit order, so
  // a reader that remembers the last id it saw misses nothing. Throws like Add.
  virtual std::vector<StoredResult> ResultsAfter(int64_t afterId, int64_t limit) = 0;
  virtual int64_t CountResults() = 0;
};

// "postgresql://…" or "postgres://…" opens PostgreSQL; anything else is an SQLite file name.
// Creates and migrates the schema. Throws std::runtime_error when that fails, or when the
// database's schema is newer than this program knows.
std::unique_ptr<ScoreStore> OpenScoreStore(const std::string& url);

}  // namespace vontra::scores
