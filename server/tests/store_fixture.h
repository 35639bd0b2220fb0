#pragma once
// Each storage test runs against every database: a fresh one per test.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <memory>
#include <string>

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

}  // namespace vontra::scores::test
