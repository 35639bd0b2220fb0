#include "app/rounding.h"

#include <gtest/gtest.h>

namespace vontra {
namespace {

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour) {
  struct Case {
    double value;
    int32_t rounded;
  };
  for (Case c : {Case{0.5, 0}, Case{1.5, 2}, Case{2.5, 2}, Case{3.5, 4}, Case{16.5, 16},
                 Case{21.5, 22}, Case{12.5, 12}, Case{-0.5, 0}, Case{-1.5, -2}, Case{-2.5, -2},
                 Case{2.4999, 2}, Case{2.5001, 3}, Case{-2.5001, -3}, Case{7.0, 7},
                 Case{11.764705882352942, 12}, Case{16.666666666666668, 17}}) {
    EXPECT_EQ(RoundHalfEven(c.value), c.rounded) << c.value;
  }
}

}  // namespace
}  // namespace vontra
