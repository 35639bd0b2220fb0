#include "schema.h"

#include <stdexcept>

namespace vontra::scores::sql {

std::vector<std::string> Migrations(std::string_view idColumn) {
  std::string results = "CREATE TABLE results (id ";
  results += idColumn;
  results +=
      ", name TEXT NOT NULL, score INTEGER NOT NULL, extra TEXT NOT NULL, "
      "address TEXT NOT NULL, created BIGINT NOT NULL)";
  return {
      results +
          ";"
          "CREATE INDEX results_by_time ON results (created);"
          "CREATE INDEX results_by_sender ON results (address, name, score, created);"
          "CREATE INDEX results_by_name ON results (name, score DESC, id)",
      // The table is ranked in memory now; the index only slowed the writes.
      "DROP INDEX results_by_name",
  };
}

void RefuseNewerSchema(size_t databaseVersion, size_t knownVersion) {
  if (databaseVersion <= knownVersion) return;
  throw std::runtime_error("the database's schema is version " + std::to_string(databaseVersion) +
                           ", newer than this vontra-scores knows (" +
                           std::to_string(knownVersion) +
                           "): run the newer vontra-scores, or restore a back-up taken before "
                           "the upgrade");
}

}  // namespace vontra::scores::sql
