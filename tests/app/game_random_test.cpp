#include "app/game_random.h"

#include <gtest/gtest.h>

#include <array>

namespace vontra {
namespace {

TEST(GameRandom, SameSeedSameSequenceAndInRange) {
  GameRandom a, b;
  a.Seed(12345);
  b.Seed(12345);
  std::array<int, 7> counts{};
  for (int i = 0; i < 7000; ++i) {
    int v = a.Next(7);
    ASSERT_EQ(v, b.Next(7));
    ASSERT_GE(v, 0);
    ASSERT_LT(v, 7);
    ++counts[v];
  }
  for (int c : counts) EXPECT_NEAR(c, 1000, 150);
}

TEST(GameRandom, ChanceZeroNeverAndOneAlways) {
  GameRandom r;
  r.Seed(1);
  for (int i = 0; i < 1000; ++i) {
    EXPECT_FALSE(r.Chance(0.0));
    EXPECT_TRUE(r.Chance(1.0));
  }
}

}  // namespace
}  // namespace vontra
