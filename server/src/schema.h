#pragma once
// The schema and the statements both databases run, in one dialect: numbered parameters ($1),
// and the id column as the one spelling that differs.
#include <string>
#include <string_view>
#include <vector>

namespace vontra::scores::sql {

// Migration N (1-based) brings the schema from version N-1 to N. Never edit a released one;
// append a new one. "{id}" stands for the database's auto-numbered primary key.
std::vector<std::string> Migrations(std::string_view idColumn);

// Throws, with a message for the operator, when the database was migrated by a newer program
// than this one: its schema may mean things this program would get wrong.
void RefuseNewerSchema(size_t databaseVersion, size_t knownVersion);

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

// $1 the last id already read, $2 how many at most.
inline constexpr std::string_view kResultsAfter =
    "SELECT id, name, score, created FROM results WHERE id > CAST($1 AS BIGINT) ORDER BY id "
    "LIMIT CAST($2 AS BIGINT)";

// PostgreSQL: held by the transaction that writes results, across every instance.
inline constexpr std::string_view kWriterLock = "SELECT pg_advisory_xact_lock(5602)";

inline constexpr std::string_view kCount = "SELECT COUNT(*) FROM results";

}  // namespace vontra::scores::sql
