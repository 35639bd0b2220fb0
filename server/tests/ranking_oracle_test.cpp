// The in-memory ranking against plain SQL over the same stored results: best per name, ties
// (the first to reach a score ranks first), the three periods, pages and ranks, on random data,
// loaded at once and followed result by result, before and after time moves the periods.
#include <gtest/gtest.h>

#include <random>

#include "ranking.h"
#include "sql_oracle.h"
#include "store_fixture.h"
#include "table_sync.h"

namespace vontra::scores {
namespace {

constexpr int64_t kDay = 86400;
constexpr int64_t kNow = 1'765'400'000;

// Each name's best result since `since`: no other result of that name, inside the period, has
// a higher score, or the same score reached earlier.
test::SqlRows Oracle(const std::string& url, int64_t since) {
  const std::string from = std::to_string(since);
  return test::RunSql(
      url, "SELECT r.name, r.score, r.created FROM results r WHERE r.created >= " + from +
               " AND NOT EXISTS (SELECT 1 FROM results o WHERE o.name = r.name AND o.created >= " +
               from + " AND (o.score > r.score OR (o.score = r.score AND o.id < r.id))) " +
               "ORDER BY r.score DESC, r.id");
}

void ExpectSameAsOracle(const Ranking& ranking, const std::string& url, int64_t now) {
  for (const Period period : {Period::kAllTime, Period::kWeek, Period::kToday}) {
    SCOPED_TRACE("period " + std::to_string(static_cast<int>(period)) + " at " +
                 std::to_string(now));
    const test::SqlRows expected = Oracle(url, PeriodStart(period, now));
    const auto rows = ranking.Rows(period, 0, 1'000'000);
    ASSERT_EQ(rows.size(), expected.size());
    for (size_t i = 0; i < rows.size(); ++i) {
      ASSERT_EQ(rows[i].rank, static_cast<int64_t>(i) + 1);
      ASSERT_EQ(rows[i].name, expected[i][0]) << "rank " << i + 1;
      ASSERT_EQ(std::to_string(rows[i].score), expected[i][1]) << "rank " << i + 1;
      ASSERT_EQ(std::to_string(rows[i].time), expected[i][2]) << "rank " << i + 1;
      ASSERT_EQ(ranking.RankOf(period, rows[i].name), static_cast<int64_t>(i) + 1);
    }
    // A page from the middle is the same slice.
    const auto page = ranking.Rows(period, 37, 50);
    for (size_t i = 0; i < page.size(); ++i) EXPECT_EQ(page[i].name, rows[37 + i].name);
    EXPECT_EQ(page.size(), rows.size() > 37 ? std::min<size_t>(50, rows.size() - 37) : 0u);
  }
}

class RankingOracleTest : public ::testing::TestWithParam<std::string> {};

TEST_P(RankingOracleTest, MatchesPlainSqlOnRandomResults) {
  test::FreshDatabase database(GetParam());
  auto store = OpenScoreStore(database.Url());
  std::mt19937 random(20261211);
  // Few names and a narrow range of scores, so that names repeat and scores tie often; times
  // over ten days, so that every period holds some and leaves some out.
  std::uniform_int_distribution<int> name(0, 149), score(0, 40), age(0, 10 * kDay);
  const auto batch = [&](int count, int64_t now) {
    std::vector<NewResult> results;
    for (int i = 0; i < count; ++i) {
      results.push_back({"n" + std::to_string(name(random)), score(random) * 25, "x",
                         "10.0.0." + std::to_string(i % 7), now - age(random)});
    }
    store->Add(results);
  };
  batch(1500, kNow);

  int64_t now = kNow;
  Ranking ranking;
  TableSync sync(
      ranking, [&now] { return now; }, std::chrono::seconds(0));
  sync.CatchUp(*store);
  ExpectSameAsOracle(ranking, database.Url(), now);

  // Followed in small steps, as the service's writer feeds it.
  for (int step = 0; step < 20; ++step) {
    batch(25, now);
    sync.CatchUp(*store);
  }
  ExpectSameAsOracle(ranking, database.Url(), now);

  // Time passes: results leave the week and today, and names fall back to their next best.
  for (const int64_t later : {kDay / 3, 2 * kDay, 5 * kDay}) {
    now = kNow + later;
    sync.CatchUp(*store);
    ExpectSameAsOracle(ranking, database.Url(), now);
  }
}

INSTANTIATE_TEST_SUITE_P(Databases, RankingOracleTest, ::testing::Values("sqlite", "postgresql"),
                         test::KindName);

}  // namespace
}  // namespace vontra::scores
