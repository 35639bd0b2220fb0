#include "schema.h"

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
  };
}

}  // namespace vontra::scores::sql
