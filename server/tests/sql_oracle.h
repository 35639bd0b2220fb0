#pragma once
// Plain SQL straight to a test database, beside the store: the oracle the ranking is checked
// against, and the way a test changes what the store would never change itself.
#include <libpq-fe.h>
#include <sqlite3.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace vontra::scores::test {

using SqlRows = std::vector<std::vector<std::string>>;

inline SqlRows RunSql(const std::string& url, const std::string& sql) {
  SqlRows rows;
  if (url.starts_with("postgresql://")) {
    PGconn* conn = PQconnectdb(url.c_str());
    PGresult* result = PQexec(conn, sql.c_str());
    const auto status = PQresultStatus(result);
    const bool ok = status == PGRES_TUPLES_OK || status == PGRES_COMMAND_OK;
    for (int r = 0; ok && r < PQntuples(result); ++r) {
      rows.emplace_back();
      for (int c = 0; c < PQnfields(result); ++c) rows.back().push_back(PQgetvalue(result, r, c));
    }
    const std::string error = PQerrorMessage(conn);
    PQclear(result);
    PQfinish(conn);
    if (!ok) throw std::runtime_error(error);
    return rows;
  }
  sqlite3* db = nullptr;
  sqlite3_open(url.c_str(), &db);
  char* error = nullptr;
  const int rc = sqlite3_exec(
      db, sql.c_str(),
      [](void* out, int columns, char** values, char**) {
        auto& table = *static_cast<SqlRows*>(out);
        table.emplace_back();
        for (int c = 0; c < columns; ++c) table.back().push_back(values[c] ? values[c] : "");
        return 0;
      },
      &rows, &error);
  const std::string why = error != nullptr ? error : "";
  sqlite3_free(error);
  sqlite3_close(db);
  if (rc != SQLITE_OK) throw std::runtime_error(why);
  return rows;
}

}  // namespace vontra::scores::test
