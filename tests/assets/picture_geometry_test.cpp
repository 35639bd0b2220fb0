#include <gtest/gtest.h>

#include "archive_test_util.h"
#include "assets/picture_collection.h"

namespace vontra {
namespace {

struct GeometryCase {
  int pictureW, pictureH, patternW, patternH, skipW, skipH;
  int countBefore;  // estimated from the sizes before preparation
  int countAfter;   // frames actually cut
  int lastLeft, lastTop;
};

class FrameGeometry : public testing::TestWithParam<GeometryCase> {};

TEST_P(FrameGeometry, CountsAndRectangles) {
  const GeometryCase& c = GetParam();
  TPictureCollectionItem item;
  item.Picture = test::GradientPicture(c.pictureW, c.pictureH);
  item.PatternWidth = c.patternW;
  item.PatternHeight = c.patternH;
  item.SkipWidth = c.skipW;
  item.SkipHeight = c.skipH;
  const int w = c.patternW > 0 ? c.patternW : c.pictureW;
  const int h = c.patternH > 0 ? c.patternH : c.pictureH;
  EXPECT_EQ(item.Width(), w);
  EXPECT_EQ(item.Height(), h);
  EXPECT_EQ(item.PatternCount(), c.countBefore);
  item.Prepare();
  ASSERT_TRUE(item.Prepared());
  EXPECT_EQ(item.PatternCount(), c.countAfter);
  EXPECT_EQ(item.PatternRect(c.countAfter), TRect{});
  EXPECT_EQ(item.PatternRect(-1), TRect{});
  if (c.countAfter == 0) return;
  EXPECT_EQ(item.PatternRect(0), (TRect{0, 0, w, h}));
  const TRect last = item.PatternRect(c.countAfter - 1);
  EXPECT_EQ(last, (TRect{c.lastLeft, c.lastTop, c.lastLeft + w, c.lastTop + h}));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FrameGeometry,
    testing::Values(
        // Whole picture when the pattern size is 0 (or the picture's own size).
        GeometryCase{31, 17, 0, 0, 0, 0, 1, 1, 0, 0},
        GeometryCase{31, 17, 31, 17, 4, 4, 1, 1, 0, 0},
        // 100 wide, frames of 20 with gaps of 5: columns at 0, 25, 50, 75.
        GeometryCase{100, 10, 20, 0, 5, 0, 4, 4, 75, 0},
        // A strip of 8 frames in two rows with vertical gaps.
        GeometryCase{64, 34, 16, 16, 0, 2, 8, 8, 48, 18},
        // Last frame ends flush with the picture: the estimate counts it as well.
        GeometryCase{95, 10, 20, 10, 5, 0, 4, 4, 75, 0},
        // A 1-pixel remainder: the estimate misses the frame that preparation finds.
        GeometryCase{96, 10, 20, 10, 5, 0, 3, 4, 75, 0},
        // Frames wider than the picture: none.
        GeometryCase{10, 10, 20, 10, 0, 0, 0, 0, 0, 0}));

TEST(FrameGeometryEdge, EmptyPictureHasNoFramesAndNegativeStepsCutNone) {
  TPictureCollectionItem empty;
  EXPECT_EQ(empty.PatternCount(), 0);
  empty.Prepare();
  EXPECT_FALSE(empty.Prepared());
  EXPECT_EQ(empty.PatternRect(0), TRect{});

  TPictureCollectionItem item;
  item.Picture = test::GradientPicture(40, 10);
  item.PatternWidth = 10;
  item.SkipWidth = -10;  // a step of 0 would never advance
  EXPECT_EQ(item.PatternCount(), 0);
  item.Prepare();
  EXPECT_EQ(item.PatternCount(), 0);
}

}  // namespace
}  // namespace vontra
