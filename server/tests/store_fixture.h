#pragma once
// Each storage test runs against every database: a fresh one per test.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <memory>
#include <string>

#include "postgres_cluster.h"
#include "score_store.h"

namespace vontra::scores::test {

// A fresh SQLite file in its own temporary folder, removed afterwards.
class SqliteFile {
 public:
  SqliteFile() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "vontra-scores-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp");
    dir_ = pattern;
  }
  ~SqliteFile() { std::filesystem::remove_all(dir_); }
  std::string Url() const { return (dir_ / "scores.db").string(); }

 private:
  std::filesystem::path dir_;
};

// One cluster for the whole test run, started on first use and stopped at exit.
inline PostgresCluster& SharedCluster() {
  static PostgresCluster cluster;
  return cluster;
}

// The database URL of a fresh, empty store of the given kind ("sqlite" or "postgresql").
class FreshDatabase {
 public:
  explicit FreshDatabase(const std::string& kind) {
    static int created = 0;
    url_ = kind == "sqlite" ? file_.Url()
                            : SharedCluster().CreateDatabase("t" + std::to_string(++created));
  }
  const std::string& Url() const { return url_; }

 private:
  SqliteFile file_;
  std::string url_;
};

inline std::string KindName(const ::testing::TestParamInfo<std::string>& info) {
  return info.param;
}

}  // namespace vontra::scores::test
