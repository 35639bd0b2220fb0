#include "score_store.h"

#include <gtest/gtest.h>

#include "ranking.h"
#include "sql_oracle.h"
#include "store_fixture.h"
#include "table_sync.h"

namespace vontra::scores {
namespace {

constexpr int64_t kNow = 1'765'400'000;  // a moment well inside a UTC day's afternoon

NewResult Result(std::string name, int32_t score, int64_t time, std::string address = "10.0.0.1") {
  return {std::move(name), score, "_______", std::move(address), time};
}

std::vector<std::string> Names(const std::vector<TableRow>& rows) {
  std::vector<std::string> names;
  for (const TableRow& row : rows) names.push_back(row.name + ":" + std::to_string(row.score));
  return names;
}

// The table as the service would show it at kNow, read from the store.
class Table {
 public:
  explicit Table(ScoreStore& store)
      : sync_(
            ranking_, [] { return kNow; }, std::chrono::seconds(0)) {
    sync_.CatchUp(store);
  }
  std::vector<TableRow> Top(Period period, int64_t offset, int64_t limit) const {
    return ranking_.Rows(period, offset, limit);
  }
  std::optional<int64_t> RankOf(Period period, std::string_view name) const {
    return ranking_.RankOf(period, name);
  }

 private:
  Ranking ranking_;
  TableSync sync_;
};

class ScoreStoreTest : public ::testing::TestWithParam<std::string> {
 protected:
  test::FreshDatabase database_{GetParam()};
  std::unique_ptr<ScoreStore> store_ = OpenScoreStore(database_.Url());
};

TEST_P(ScoreStoreTest, OneRowPerNameBestScoreFirstToReachItWinsTies) {
  const std::vector<NewResult> results = {
      Result("Анна", 500, kNow - 50), Result("Борис", 900, kNow - 40),
      Result("Анна", 900, kNow - 30),  // ties Борис later: ranked after him
      Result("Вера", 100, kNow - 20), Result("Анна", 300, kNow - 10),
  };
  store_->Add(results);
  const Table table(*store_);
  const auto rows = table.Top(Period::kAllTime, 0, 100);
  EXPECT_EQ(Names(rows), (std::vector<std::string>{"Борис:900", "Анна:900", "Вера:100"}));
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[1].rank, 2);
  EXPECT_EQ(rows[1].time, kNow - 30);
  EXPECT_EQ(table.RankOf(Period::kAllTime, "Анна"), 2);
  EXPECT_EQ(table.RankOf(Period::kAllTime, "Вера"), 3);
  EXPECT_EQ(table.RankOf(Period::kAllTime, "Никто"), std::nullopt);
  EXPECT_EQ(store_->CountResults(), 5);
}

TEST_P(ScoreStoreTest, PeriodsAndPagesSelectTheirRows) {
  std::vector<NewResult> results = {Result("old", 1000, kNow - 8 * 86400),
                                    Result("week", 900, kNow - 3 * 86400)};
  for (int i = 0; i < 150; ++i)
    results.push_back(Result("p" + std::to_string(i), 500 - i, kNow - 60));
  store_->Add(results);
  const Table table(*store_);
  EXPECT_EQ(table.Top(Period::kAllTime, 0, 100).size(), 100u);
  EXPECT_EQ(table.Top(Period::kAllTime, 0, 1)[0].name, "old");
  EXPECT_EQ(table.Top(Period::kWeek, 0, 1)[0].name, "week");
  EXPECT_EQ(table.Top(Period::kToday, 0, 1)[0].name, "p0");
  const auto second = table.Top(Period::kAllTime, 100, 100);
  ASSERT_EQ(second.size(), 52u);
  EXPECT_EQ(second.front().rank, 101);
  EXPECT_EQ(second.front().name, "p98");
  EXPECT_EQ(table.RankOf(Period::kToday, "p149"), 150);
  EXPECT_EQ(table.RankOf(Period::kToday, "old"), std::nullopt);
}

TEST_P(ScoreStoreTest, IdenticalResultFromOneAddressWithinTenMinutesIsStoredOnce) {
  store_->Add(std::vector{Result("A", 10, kNow)});
  store_->Add(std::vector{
      Result("A", 10, kNow + 599),                           // repeat: dropped
      Result("A", 10, kNow + 1, "10.0.0.2"),                 // another address
      Result("A", 11, kNow + 2),                             // another score
      Result("B", 20, kNow + 3), Result("B", 20, kNow + 4),  // repeat inside one batch
  });
  EXPECT_EQ(store_->CountResults(), 4);
  store_->Add(std::vector{Result("A", 10, kNow + 1000)});  // past the window of every copy
  EXPECT_EQ(store_->CountResults(), 5);
}

TEST_P(ScoreStoreTest, HostileTextIsStoredAsItIsAndTheSchemaSurvivesReopening) {
  const std::string hostile = "'); DROP TABLE results; --";
  store_->Add(std::vector{Result(hostile, 5, kNow), Result("<script>", 4, kNow)});
  store_.reset();
  store_ = OpenScoreStore(database_.Url());  // migrations already applied: nothing is re-run
  EXPECT_EQ(Names(Table(*store_).Top(Period::kAllTime, 0, 10)),
            (std::vector<std::string>{hostile + ":5", "<script>:4"}));
}

TEST_P(ScoreStoreTest, ResultsAfterReadsInIdOrderFromTheGivenId) {
  std::vector<NewResult> results;
  for (int i = 0; i < 7; ++i) results.push_back(Result("n" + std::to_string(i), i, kNow + i));
  store_->Add(results);
  const auto all = store_->ResultsAfter(0, 100);
  ASSERT_EQ(all.size(), 7u);
  for (size_t i = 1; i < all.size(); ++i) EXPECT_LT(all[i - 1].id, all[i].id);
  const auto tail = store_->ResultsAfter(all[2].id, 3);
  ASSERT_EQ(tail.size(), 3u);
  EXPECT_EQ(tail[0].name, "n3");
  EXPECT_EQ(tail[0].score, 3);
  EXPECT_EQ(tail[0].created, kNow + 3);
  EXPECT_TRUE(store_->ResultsAfter(all.back().id, 100).empty());
}

TEST_P(ScoreStoreTest, ASchemaNewerThanTheProgramIsRefused) {
  store_.reset();
  test::RunSql(database_.Url(), "INSERT INTO schema_version (version) VALUES (99)");
  try {
    OpenScoreStore(database_.Url());
    FAIL() << "opened a database from a newer version";
  } catch (const std::runtime_error& e) {
    EXPECT_NE(std::string(e.what()).find("schema is version 99, newer than this vontra-scores"),
              std::string::npos)
        << e.what();
  }
}

TEST(PostgresStore, OneBatchIsOneTransaction) {
  test::FreshDatabase database("postgresql");
  auto store = OpenScoreStore(database.Url());
  // Long enough to span several pipelines; PostgreSQL refuses the bytes of one name near the end.
  std::vector<NewResult> batch;
  for (int i = 0; i < 700; ++i) batch.push_back(Result("b" + std::to_string(i), i, kNow));
  batch[650].name = "bad\xFF";
  EXPECT_THROW(store->Add(batch), std::runtime_error);
  EXPECT_EQ(store->CountResults(), 0);
  batch.erase(batch.begin() + 650);
  store->Add(batch);  // the connection is usable after the failure
  EXPECT_EQ(store->CountResults(), 699);
}

TEST(PostgresStore, GoesOnAfterTheServerRestarts) {
  test::FreshDatabase database("postgresql");
  auto store = OpenScoreStore(database.Url());
  store->Add(std::vector{Result("before", 1, kNow)});
  test::SharedCluster().Restart();
  store->Add(std::vector{Result("after", 2, kNow)});
  EXPECT_EQ(Names(Table(*store).Top(Period::kAllTime, 0, 10)),
            (std::vector<std::string>{"after:2", "before:1"}));
}

INSTANTIATE_TEST_SUITE_P(Databases, ScoreStoreTest, ::testing::Values("sqlite", "postgresql"),
                         test::KindName);

}  // namespace
}  // namespace vontra::scores
