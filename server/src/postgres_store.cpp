#include "postgres_store.h"

#include <libpq-fe.h>

#include <algorithm>
#include <iterator>
#include <stdexcept>
#include <string_view>
#include <vector>

#include "schema.h"

namespace vontra::scores {
namespace {

using ResultPtr = std::unique_ptr<PGresult, decltype(&PQclear)>;

class PostgresStore final : public ScoreStore {
 public:
  explicit PostgresStore(std::string url) : url_(std::move(url)) {
    try {
      Connect();
      Migrate();
    } catch (...) {
      PQfinish(conn_);
      throw;
    }
  }
  ~PostgresStore() override { PQfinish(conn_); }

  void Add(std::span<const NewResult> results) override {
    // A connection lost mid-batch rolls the batch back; it is sent once more on a new one. Were
    // the commit itself done but its answer lost, the duplicate window drops the second copy.
    Retrying([&] {
      try {
        size_t first = 0;
        do {
          const size_t count = std::min(kPipelineLength, results.size() - first);
          AddPipelined(results.subspan(first, count), first == 0, first + count == results.size());
          first += count;
        } while (first < results.size());
      } catch (...) {
        if (PQstatus(conn_) == CONNECTION_OK) PQclear(PQexec(conn_, "ROLLBACK"));
        throw;
      }
      return 0;
    });
  }

  std::vector<StoredResult> ResultsAfter(int64_t afterId, int64_t limit) override {
    return Retrying([&] {
      const ResultPtr rows =
          Exec(sql::kResultsAfter, {std::to_string(afterId), std::to_string(limit)});
      std::vector<StoredResult> results;
      results.reserve(static_cast<size_t>(PQntuples(rows.get())));
      for (int i = 0; i < PQntuples(rows.get()); ++i) {
        results.push_back({std::stoll(PQgetvalue(rows.get(), i, 0)), PQgetvalue(rows.get(), i, 1),
                           static_cast<int32_t>(std::stol(PQgetvalue(rows.get(), i, 2))),
                           std::stoll(PQgetvalue(rows.get(), i, 3))});
      }
      return results;
    });
  }

  int64_t CountResults() override {
    return Retrying([&] { return std::stoll(PQgetvalue(Exec(sql::kCount).get(), 0, 0)); });
  }

 private:
  void Connect() {
    PQfinish(conn_);
    conn_ = PQconnectdb(url_.c_str());
    if (PQstatus(conn_) != CONNECTION_OK) {
      throw std::runtime_error(std::string("postgresql: cannot connect: ") + PQerrorMessage(conn_));
    }
    prepared_ = false;
  }

  // A batch is one transaction, sent in pipelines without a round trip per statement: the
  // first opens it and takes the writers' lock, the last commits. A batch that fits one pipeline
  // costs one round trip. The insert is parsed and planned once per connection.
  void AddPipelined(std::span<const NewResult> results, bool opens, bool commits) {
    if (!prepared_) {
      const std::string text(sql::kInsertUnlessRecent);
      Check(ResultPtr(PQprepare(conn_, kInsertName, text.c_str(), 0, nullptr), &PQclear));
      prepared_ = true;
    }
    if (PQenterPipelineMode(conn_) != 1) Fail("cannot enter pipeline mode");
    size_t statements = 0;
    const auto send = [&](std::string_view statement) {
      const std::string text(statement);
      if (PQsendQueryParams(conn_, text.c_str(), 0, nullptr, nullptr, nullptr, nullptr, 0) != 1)
        Fail("cannot send a statement");
      ++statements;
    };
    if (opens) {
      send("BEGIN");
      // Writers of every instance take turns, so ids are handed out in commit order and a
      // reader that saw id N has seen every id below it.
      send(sql::kWriterLock);
    }
    for (const NewResult& r : results) {
      const std::string params[] = {
          r.name,    std::to_string(r.score), r.extra,
          r.address, std::to_string(r.time),  std::to_string(r.time - kDuplicateWindowSeconds)};
      const char* values[std::size(params)];
      for (size_t i = 0; i < std::size(params); ++i) values[i] = params[i].c_str();
      if (PQsendQueryPrepared(conn_, kInsertName, static_cast<int>(std::size(params)), values,
                              nullptr, nullptr, 0) != 1) {
        Fail("cannot send an insert");
      }
      ++statements;
    }
    if (commits) send("COMMIT");
    if (PQpipelineSync(conn_) != 1) Fail("cannot send the sync");
    // Every statement's result, each followed by a null, then the sync's. After a failure the
    // rest come back aborted; the first message is the one that counts.
    std::string error;
    for (size_t i = 0; i < statements; ++i) {
      const ResultPtr result(PQgetResult(conn_), &PQclear);
      if (result == nullptr) Fail("the connection ended inside a batch");
      const auto status = PQresultStatus(result.get());
      if (status != PGRES_COMMAND_OK && status != PGRES_TUPLES_OK && error.empty()) {
        error = PQresultErrorMessage(result.get());
        if (error.empty()) error = "a statement was not run";
      }
      ResultPtr(PQgetResult(conn_), &PQclear);
    }
    const ResultPtr sync(PQgetResult(conn_), &PQclear);
    if (sync == nullptr || PQresultStatus(sync.get()) != PGRES_PIPELINE_SYNC) {
      Fail("the batch's sync was not answered");
    }
    PQexitPipelineMode(conn_);
    if (!error.empty()) throw std::runtime_error("postgresql: " + error);
  }

  // A broken pipeline leaves the connection in an unknown state: it is dropped, so the next
  // use connects afresh.
  [[noreturn]] void Fail(const char* what) {
    const std::string why = std::string("postgresql: ") + what + ": " + PQerrorMessage(conn_);
    PQfinish(conn_);
    conn_ = nullptr;
    throw std::runtime_error(why);
  }

  // Runs one statement with text parameters; throws with the server's message when it fails.
  ResultPtr Exec(std::string_view statement, const std::vector<std::string>& params = {}) {
    std::vector<const char*> values;
    for (const std::string& p : params) values.push_back(p.c_str());
    const std::string text(statement);
    // Without parameters the simple protocol runs it, which takes several statements (migrations).
    ResultPtr result(values.empty()
                         ? PQexec(conn_, text.c_str())
                         : PQexecParams(conn_, text.c_str(), static_cast<int>(values.size()),
                                        nullptr, values.data(), nullptr, nullptr, 0),
                     &PQclear);
    return Check(std::move(result));
  }

  // Passes a successful result through; rolls back and throws the server's message otherwise.
  ResultPtr Check(ResultPtr result) {
    const auto status = PQresultStatus(result.get());
    if (status != PGRES_COMMAND_OK && status != PGRES_TUPLES_OK) {
      const std::string why = PQerrorMessage(conn_);
      if (PQstatus(conn_) == CONNECTION_OK) {
        PGresult* rollback = PQexec(conn_, "ROLLBACK");
        PQclear(rollback);
      }
      throw std::runtime_error("postgresql: " + why);
    }
    return result;
  }

  // Runs the work; when the connection turns out to be lost, connects again and runs it once more.
  template <typename Work>
  auto Retrying(Work work) -> decltype(work()) {
    try {
      if (PQstatus(conn_) != CONNECTION_OK) Connect();
      return work();
    } catch (const std::runtime_error&) {
      if (PQstatus(conn_) == CONNECTION_OK) throw;
    }
    Connect();
    return work();
  }

  void Migrate() {
    Exec("BEGIN");
    // Two services starting together migrate one after the other.
    Exec("SELECT pg_advisory_xact_lock(5601)");
    Exec(sql::kVersionTable);
    const auto version =
        static_cast<size_t>(std::stoll(PQgetvalue(Exec(sql::kReadVersion).get(), 0, 0)));
    const auto migrations = sql::Migrations("BIGINT GENERATED ALWAYS AS IDENTITY PRIMARY KEY");
    sql::RefuseNewerSchema(version, migrations.size());
    for (size_t v = version; v < migrations.size(); ++v) {
      Exec(migrations[v]);
      Exec(sql::kWriteVersion, {std::to_string(v + 1)});
    }
    Exec("COMMIT");
  }

  static constexpr const char* kInsertName = "insert_result";
  // Short enough that the answers never fill the socket while the batch is still being sent.
  static constexpr size_t kPipelineLength = 256;
  std::string url_;
  PGconn* conn_ = nullptr;
  bool prepared_ = false;
};

}  // namespace

std::unique_ptr<ScoreStore> OpenPostgresStore(const std::string& url) {
  return std::make_unique<PostgresStore>(url);
}

}  // namespace vontra::scores
