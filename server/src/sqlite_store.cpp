#include "sqlite_store.h"

#include <sqlite3.h>

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <mutex>
#include <stdexcept>
#include <string_view>
#include <thread>

#include "schema.h"

namespace vontra::scores {
namespace {

class Database {
 public:
  explicit Database(const std::string& path) {
    if (sqlite3_open_v2(path.c_str(), &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) !=
        SQLITE_OK) {
      const std::string why = db_ != nullptr ? sqlite3_errmsg(db_) : "out of memory";
      sqlite3_close(db_);
      throw std::runtime_error("sqlite: cannot open " + path + ": " + why);
    }
    sqlite3_busy_timeout(db_, 5000);
  }
  ~Database() { sqlite3_close(db_); }
  Database(const Database&) = delete;
  Database& operator=(const Database&) = delete;

  sqlite3* get() const { return db_; }
  [[noreturn]] void Fail(std::string_view what) const {
    throw std::runtime_error("sqlite: " + std::string(what) + ": " + sqlite3_errmsg(db_));
  }
  void Exec(const std::string& sql) const {
    if (sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK) Fail(sql);
  }

 private:
  sqlite3* db_ = nullptr;
};

// A prepared statement whose parameters are bound by their "$N" names.
class Statement {
 public:
  Statement(const Database& db, std::string_view sql) : db_(db) {
    if (sqlite3_prepare_v2(db.get(), sql.data(), static_cast<int>(sql.size()), &stmt_, nullptr) !=
        SQLITE_OK) {
      db.Fail(sql);
    }
  }
  ~Statement() { sqlite3_finalize(stmt_); }
  Statement(const Statement&) = delete;
  Statement& operator=(const Statement&) = delete;

  Statement& Bind(int n, std::string_view text) {
    sqlite3_bind_text(stmt_, Index(n), text.data(), static_cast<int>(text.size()),
                      SQLITE_TRANSIENT);
    return *this;
  }
  Statement& Bind(int n, int64_t value) {
    sqlite3_bind_int64(stmt_, Index(n), value);
    return *this;
  }
  // True while there is a row to read.
  bool Step() {
    const int rc = sqlite3_step(stmt_);
    if (rc == SQLITE_ROW) return true;
    if (rc != SQLITE_DONE) db_.Fail("step");
    return false;
  }
  void Reset() {
    sqlite3_reset(stmt_);
    sqlite3_clear_bindings(stmt_);
  }
  int64_t Int(int column) const { return sqlite3_column_int64(stmt_, column); }
  std::string Text(int column) const {
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, column));
    return text != nullptr
               ? std::string(text, static_cast<size_t>(sqlite3_column_bytes(stmt_, column)))
               : std::string();
  }

 private:
  int Index(int n) const {
    // Appended, not "$" + text: GCC 12 at -O3 warns falsely about the latter.
    std::string name = "$";
    name += std::to_string(n);
    const int index = sqlite3_bind_parameter_index(stmt_, name.c_str());
    if (index == 0) throw std::logic_error("sqlite: no parameter " + name);
    return index;
  }
  const Database& db_;
  sqlite3_stmt* stmt_ = nullptr;
};

class SqliteStore final : public ScoreStore {
 public:
  explicit SqliteStore(const std::string& path) : path_(path), db_(path) {
    db_.Exec("PRAGMA journal_mode=WAL");
    // Every commit reaches the disk before anyone is answered.
    db_.Exec("PRAGMA synchronous=FULL");
    Migrate();
  }
  ~SqliteStore() override {
    {
      std::lock_guard lock(checkpointMutex_);
      stopping_ = true;
    }
    checkpointWake_.notify_one();
    if (checkpointer_.joinable()) checkpointer_.join();
  }
  SqliteStore(const SqliteStore&) = delete;
  SqliteStore& operator=(const SqliteStore&) = delete;

  void Add(std::span<const NewResult> results) override {
    if (!checkpointer_.joinable()) StartCheckpointer();
    db_.Exec("BEGIN IMMEDIATE");
    try {
      Statement insert(db_, sql::kInsertUnlessRecent);
      for (const NewResult& r : results) {
        insert.Bind(1, r.name).Bind(2, int64_t{r.score}).Bind(3, r.extra).Bind(4, r.address);
        insert.Bind(5, r.time).Bind(6, r.time - kDuplicateWindowSeconds);
        insert.Step();
        insert.Reset();
      }
      db_.Exec("COMMIT");
    } catch (...) {
      sqlite3_exec(db_.get(), "ROLLBACK", nullptr, nullptr, nullptr);
      throw;
    }
  }

  std::vector<StoredResult> ResultsAfter(int64_t afterId, int64_t limit) override {
    Statement read(db_, sql::kResultsAfter);
    read.Bind(1, afterId).Bind(2, limit);
    std::vector<StoredResult> results;
    while (read.Step()) {
      results.push_back(
          {read.Int(0), read.Text(1), static_cast<int32_t>(read.Int(2)), read.Int(3)});
    }
    return results;
  }

  int64_t CountResults() override {
    Statement count(db_, sql::kCount);
    if (!count.Step()) db_.Fail("count");
    return count.Int(0);
  }

 private:
  void Migrate() {
    db_.Exec(std::string(sql::kVersionTable));
    Statement read(db_, sql::kReadVersion);
    read.Step();
    const auto version = static_cast<size_t>(read.Int(0));
    read.Reset();
    const auto migrations = sql::Migrations("INTEGER PRIMARY KEY");
    sql::RefuseNewerSchema(version, migrations.size());
    for (size_t v = version; v < migrations.size(); ++v) {
      db_.Exec("BEGIN IMMEDIATE");
      try {
        db_.Exec(migrations[v]);
        Statement(db_, sql::kWriteVersion).Bind(1, static_cast<int64_t>(v + 1)).Step();
        db_.Exec("COMMIT");
      } catch (...) {
        sqlite3_exec(db_.get(), "ROLLBACK", nullptr, nullptr, nullptr);
        throw;
      }
    }
  }

  // The store that writes copies its log back into the database on a thread of its own, so that
  // no commit waits for that copy and its fsync. Copying never blocks the writer.
  void StartCheckpointer() {
    db_.Exec("PRAGMA wal_autocheckpoint=0");
    checkpointer_ = std::thread([this] {
      try {
        Database db(path_);
        std::unique_lock lock(checkpointMutex_);
        while (!checkpointWake_.wait_for(lock, std::chrono::milliseconds(500),
                                         [this] { return stopping_; })) {
          lock.unlock();
          sqlite3_wal_checkpoint_v2(db.get(), nullptr, SQLITE_CHECKPOINT_PASSIVE, nullptr, nullptr);
          lock.lock();
        }
      } catch (const std::exception& e) {
        std::fprintf(stderr, "vontra-scores: checkpoints stopped: %s\n", e.what());
      }
    });
  }

  std::string path_;
  Database db_;
  std::mutex checkpointMutex_;
  std::condition_variable checkpointWake_;
  bool stopping_ = false;
  std::thread checkpointer_;
};

}  // namespace

std::unique_ptr<ScoreStore> OpenSqliteStore(const std::string& path) {
  return std::make_unique<SqliteStore>(path);
}

}  // namespace vontra::scores
