// A database that fails on demand under the service: every page and every result is answered
// 503 with one line while it fails, and served again as soon as it works.
#include <gtest/gtest.h>

#include <atomic>
#include <future>

#include "scores_service.h"
#include "store_fixture.h"

namespace vontra::scores {
namespace {

constexpr int64_t kNow = 1'765'400'000;

class FailingStore final : public ScoreStore {
 public:
  FailingStore(std::unique_ptr<ScoreStore> inner, const std::atomic<bool>& failing)
      : inner_(std::move(inner)), failing_(failing) {}
  void Add(std::span<const NewResult> results) override {
    Check();
    inner_->Add(results);
  }
  std::vector<StoredResult> ResultsAfter(int64_t afterId, int64_t limit) override {
    Check();
    return inner_->ResultsAfter(afterId, limit);
  }
  int64_t CountResults() override { return inner_->CountResults(); }

 private:
  void Check() const {
    if (failing_) throw std::runtime_error("injected failure");
  }
  std::unique_ptr<ScoreStore> inner_;
  const std::atomic<bool>& failing_;
};

// A result of the player "Ann", encoded as the game sends it.
std::string ResultTarget(int score) {
  const std::string payload =
      "type=0|name=Ann|score=" + std::to_string(score) + "|key=V|p=|add=_______|z=";
  std::string padded = payload;
  while (padded.size() % 5 != 0) padded += '0';
  static constexpr char kAlphabet[] = "ABCDEFGHJKLMNPQRSTUVWXY123456789";
  std::string out;
  uint32_t acc = 0;
  int bits = 0;
  for (const unsigned char c : padded) {
    acc = (acc << 8) | c;
    bits += 8;
    while (bits >= 5) {
      bits -= 5;
      out += kAlphabet[(acc >> bits) & 31];
    }
  }
  return "/cgi/version.pl?hs&prg=Vontra&inf=" + out;
}

class ServiceFailureTest : public ::testing::TestWithParam<std::string> {
 protected:
  Reply Ask(const std::string& target) {
    std::promise<Reply> reply;
    service_.Handle("GET", target, "10.0.0.1",
                    [&reply](Reply r) { reply.set_value(std::move(r)); });
    return reply.get_future().get();
  }
  static ServiceOptions Options() {
    ServiceOptions options;
    options.resultsPerMinute = 0;
    options.maxTableAge = std::chrono::milliseconds(0);  // every page reads the database
    return options;
  }

  test::FreshDatabase database_{GetParam()};
  std::atomic<bool> failing_{false};
  FailingStore writes_{OpenScoreStore(database_.Url()), failing_};
  FailingStore reads_{OpenScoreStore(database_.Url()), failing_};
  ScoresService service_{writes_, reads_, Options(), [] { return kNow; }};
};

TEST_P(ServiceFailureTest, FailuresAre503AndTheNextRequestIsServed) {
  const std::string table = "/cgi/version.pl?prg=Vontra&show&type=0";
  ASSERT_EQ(Ask(ResultTarget(100)).status, 200);
  ASSERT_EQ(Ask(table).status, 200);  // cached now
  failing_ = true;
  for (const std::string& target :
       {ResultTarget(200), table, table + "&page=5", table + "&name=Ann", std::string("/")}) {
    const Reply reply = Ask(target);
    EXPECT_EQ(reply.status, 503) << target;
    EXPECT_EQ(std::count(reply.body->begin(), reply.body->end(), '\n'), 1) << *reply.body;
  }
  EXPECT_EQ(Ask("/style.css").status, 200);  // nothing from the database
  failing_ = false;
  EXPECT_EQ(Ask(ResultTarget(300)).status, 200);
  const Reply page = Ask(table);
  ASSERT_EQ(page.status, 200);
  EXPECT_NE(page.body->find("<td>300</td>"), std::string::npos);
  EXPECT_EQ(Ask(table + "&name=Ann").status, 200);
  EXPECT_EQ(writes_.CountResults(), 2);  // the refused one was not stored
}

INSTANTIATE_TEST_SUITE_P(Databases, ServiceFailureTest, ::testing::Values("sqlite", "postgresql"),
                         test::KindName);

}  // namespace
}  // namespace vontra::scores
