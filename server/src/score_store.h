#pragma once
// Where results live: one small interface, one implementation per database. Both use the same
// schema, the same migrations and the same ranking query.
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
  // One row per name, its best score; equal scores in the order they were reached.
  virtual std::vector<TableRow> Top(int64_t since, int64_t offset, int64_t limit) = 0;
  // The name's rank in the same order, or nothing when the name has no result since then.
  virtual std::optional<int64_t> RankOf(int64_t since, std::string_view name) = 0;
  virtual int64_t CountResults() = 0;
};

// "postgresql://…" or "postgres://…" opens PostgreSQL; anything else is an SQLite file name.
// Creates and migrates the schema. Throws std::runtime_error when that fails.
std::unique_ptr<ScoreStore> OpenScoreStore(const std::string& url);

}  // namespace vontra::scores
