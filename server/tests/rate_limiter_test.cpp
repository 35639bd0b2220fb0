#include "rate_limiter.h"

#include <gtest/gtest.h>

#include <string>

namespace vontra::scores {
namespace {

int Allowed(RateLimiter& limiter, const std::string& address, int64_t now, int tries) {
  int allowed = 0;
  for (int i = 0; i < tries; ++i) allowed += limiter.Allow(address, now) ? 1 : 0;
  return allowed;
}

TEST(RateLimiter, NoDoubleAllowanceAcrossAMinutesEdge) {
  RateLimiter limiter(10);
  // Last second of one minute, first second of the next.
  EXPECT_EQ(Allowed(limiter, "10.0.0.1", 119, 20), 10);
  EXPECT_EQ(Allowed(limiter, "10.0.0.1", 120, 20), 0);
  // The allowance comes back evenly: one result per six seconds.
  EXPECT_EQ(Allowed(limiter, "10.0.0.1", 125, 5), 1);
  EXPECT_EQ(Allowed(limiter, "10.0.0.1", 131, 5), 1);
  EXPECT_EQ(Allowed(limiter, "10.0.0.1", 131 + 600, 20), 10);  // never more than a full bucket
}

TEST(RateLimiter, SendersAreCountedAsOne) {
  const struct {
    const char* first;
    const char* second;
    bool shared;
  } cases[] = {
      {"127.0.0.1", "::ffff:127.0.0.1", true},
      {"2001:db8:1:2::1", "2001:db8:1:2:ffff::9", true},
      {"2001:db8:1:2::1", "2001:db8:1:3::1", false},
      {"10.0.0.1", "10.0.0.2", false},
  };
  for (const auto& c : cases) {
    RateLimiter limiter(3);
    EXPECT_EQ(Allowed(limiter, c.first, 1000, 3), 3);
    EXPECT_EQ(Allowed(limiter, c.second, 1000, 1), c.shared ? 0 : 1) << c.first << " " << c.second;
  }
}

TEST(RateLimiter, ZeroMeansNoLimit) {
  RateLimiter limiter(0);
  EXPECT_EQ(Allowed(limiter, "10.0.0.1", 5, 1000), 1000);
}

TEST(RateLimiter, AClockSteppingBackRefillsNothing) {
  RateLimiter limiter(2);
  EXPECT_EQ(Allowed(limiter, "10.0.0.1", 1000, 3), 2);
  EXPECT_EQ(Allowed(limiter, "10.0.0.1", 400, 3), 0);
  EXPECT_EQ(Allowed(limiter, "10.0.0.1", 1030, 3), 1);
}

}  // namespace
}  // namespace vontra::scores
