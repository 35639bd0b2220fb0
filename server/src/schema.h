#pragma once
// The schema and the statements both databases run, in one dialect: numbered parameters ($1),
// window functions, and the id column as the one spelling that differs.
#include <string>
#include <string_view>
#include <vector>

namespace vontra::scores::sql {

// Migration N (1-based) brings the schema from version N-1 to N. Never edit a released one;
// append a new one. "{id}" stands for the database's auto-numbered primary key.
std::vector<std::string> Migrations(std::string_view idColumn);

inline constexpr std::string_view kVersionTable =
    "CREATE TABLE IF NOT EXISTS schema_version (version INTEGER NOT NULL)";
inline constexpr std::string_view kReadVersion =
    "SELECT COALESCE(MAX(version), 0) FROM schema_version";
inline constexpr std::string_view kWriteVersion =
    "INSERT INTO schema_version (version) VALUES ($1)";

// $1 name, $2 score, $3 extra, $4 address, $5 time, $6 time of the dedup window's start.
inline constexpr std::string_view kInsertUnlessRecent =
    "INSERT INTO results (name, score, extra, address, created) "
    "SELECT CAST($1 AS TEXT), CAST($2 AS INTEGER), CAST($3 AS TEXT), CAST($4 AS TEXT), "
    "CAST($5 AS BIGINT) WHERE NOT EXISTS (SELECT 1 FROM results WHERE address = $4 "
    "AND created >= CAST($6 AS BIGINT) AND name = $1 AND score = CAST($2 AS INTEGER) AND extra = "
    "$3)";

// Each name's best result since $1, the first to reach it winning ties.
#define VONTRA_BEST_SINCE                                                                \
  "WITH best AS (SELECT name, score, created, id, ROW_NUMBER() OVER (PARTITION BY name " \
  "ORDER BY score DESC, id) AS k FROM results WHERE created >= $1) "

inline constexpr std::string_view kTop = VONTRA_BEST_SINCE
    "SELECT name, score, created FROM best WHERE k = 1 ORDER BY score DESC, id LIMIT $2 OFFSET $3";

inline constexpr std::string_view kRankOf = VONTRA_BEST_SINCE
    ", mine AS (SELECT score, id FROM best WHERE k = 1 AND name = $2) "
    "SELECT (SELECT COUNT(*) FROM best, mine WHERE best.k = 1 AND (best.score > mine.score OR "
    "(best.score = mine.score AND best.id < mine.id))) + 1 FROM mine";
#undef VONTRA_BEST_SINCE

inline constexpr std::string_view kCount = "SELECT COUNT(*) FROM results";

}  // namespace vontra::scores::sql
