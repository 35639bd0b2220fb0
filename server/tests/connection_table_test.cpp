#include "connection_table.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vontra::scores {
namespace {

// A table whose connections note their closing in `closed`.
struct Fixture {
  ConnectionTable table;
  std::vector<std::string> closed;

  Fixture(size_t total, size_t perSender) : table(total, perSender) {}

  ConnectionTable::Admission Open(const std::string& sender, const std::string& label,
                                  bool exempt = false) {
    auto admission = table.Admit(sender, exempt, [this, label] { closed.push_back(label); });
    if (admission.evict) admission.evict();
    return admission;
  }
};

TEST(ConnectionTable, OneSenderHoldsAtMostItsCap) {
  Fixture f(100, 3);
  for (int i = 0; i < 3; ++i) EXPECT_TRUE(f.Open("a", "a").id);
  EXPECT_FALSE(f.Open("a", "a").id);
  EXPECT_TRUE(f.Open("b", "b").id);
  EXPECT_EQ(f.table.Open(), 4u);
  EXPECT_TRUE(f.closed.empty());
}

TEST(ConnectionTable, WhenFullTheBusiestSenderMakesRoom) {
  Fixture f(4, 3);
  const auto first = f.Open("a", "a1");
  f.Open("a", "a2");
  f.Open("a", "a3");
  f.Open("b", "b1");
  // Full: a newcomer takes the oldest place of the busiest sender...
  EXPECT_TRUE(f.Open("c", "c1").id);
  EXPECT_EQ(f.closed, std::vector<std::string>{"a1"});
  EXPECT_EQ(f.table.Open(), 4u);
  // ...the evicted connection's own release changes nothing...
  f.table.Release("a", *first.id);
  EXPECT_EQ(f.table.Open(), 4u);
  // ...and a sender as busy as the busiest is refused rather than taking from it.
  EXPECT_TRUE(f.Open("d", "d1").id);  // a: 1, b: 1, c: 1, d: 1 now
  EXPECT_FALSE(f.Open("b", "b2").id);
  EXPECT_EQ(f.closed, (std::vector<std::string>{"a1", "a2"}));
}

TEST(ConnectionTable, ProxiesHaveNoCapAndAreNeverEvicted) {
  Fixture f(4, 2);
  for (int i = 0; i < 3; ++i) EXPECT_TRUE(f.Open("proxy", "p", true).id);
  EXPECT_TRUE(f.Open("a", "a1").id);
  EXPECT_FALSE(f.Open("b", "b1").id);  // only a's single place could go, and b would be as busy
  EXPECT_TRUE(f.closed.empty());
}

TEST(ConnectionTable, ReleaseFreesThePlace) {
  Fixture f(2, 2);
  const auto a = f.Open("a", "a");
  f.Open("a", "a");
  EXPECT_FALSE(f.Open("a", "a").id);
  f.table.Release("a", *a.id);
  EXPECT_TRUE(f.Open("a", "a").id);
  EXPECT_TRUE(f.closed.empty());
}

}  // namespace
}  // namespace vontra::scores
