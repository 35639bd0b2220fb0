#include <gtest/gtest.h>

#include <cmath>

#include "archive_test_util.h"
#include "assets/picture_collection.h"

namespace vontra {
namespace {

constexpr uint16_t kBackground = 0x1234;

uint16_t Expected565(const TPicture& p, int x, int y) {
  const uint32_t c = p.At(x, y);
  return Rgb565((c >> 16) & 0xFF, (c >> 8) & 0xFF, c & 0xFF);
}

// A 3-frame strip (frames 4 x 3, gap 1) whose pixel (1, 1) of every frame is the key colour.
class DrawTest : public testing::Test {
 protected:
  void SetUp() override {
    item.Picture = test::GradientPicture(14, 3);
    item.PatternWidth = 4;
    item.PatternHeight = 3;
    item.SkipWidth = 1;
    item.TransparentColor = 0x00102030;  // blue 0x10, green 0x20, red 0x30
    for (int f = 0; f < 3; ++f) {
      item.Picture.Pixels[static_cast<size_t>(1 * 14 + f * 5 + 1)] = 0x00302010 + 0x000101;
    }
    surface.Resize(10, 8);
    surface.Fill(kBackground);
  }
  TPictureCollectionItem item;
  Surface surface;
};

TEST_F(DrawTest, CopiesTheFrameAndSkipsKeyedPixels) {
  item.Prepare();
  ASSERT_EQ(item.PatternCount(), 3);
  item.Draw(surface, 2, 1, 1);
  for (int y = 0; y < 8; ++y) {
    for (int x = 0; x < 10; ++x) {
      const bool inside = x >= 2 && x < 6 && y >= 1 && y < 4;
      // The keyed pixel differs from the key in its low bits: it still rounds to the key.
      const bool keyed = x == 3 && y == 2;
      const uint16_t want =
          inside && !keyed ? Expected565(item.Picture, x - 2 + 5, y - 1) : kBackground;
      ASSERT_EQ(surface.At(x, y), want) << x << "," << y;
    }
  }
}

TEST_F(DrawTest, OpaqueItemsDrawTheKeyColourToo) {
  item.Transparent = false;
  item.Prepare();
  item.Draw(surface, 0, 0, 0);
  EXPECT_EQ(surface.At(1, 1), Expected565(item.Picture, 1, 1));
}

TEST_F(DrawTest, ChangingTheKeyAfterPreparationTakesEffect) {
  item.Prepare();
  item.TransparentColor = 0x00FFFFFF;
  item.Draw(surface, 0, 0, 0);
  EXPECT_EQ(surface.At(1, 1), Expected565(item.Picture, 1, 1));
  // A system colour keys nothing either.
  surface.Fill(kBackground);
  item.TransparentColor = 0xFF00000F;
  item.Draw(surface, 0, 0, 0);
  EXPECT_EQ(surface.At(1, 1), Expected565(item.Picture, 1, 1));
}

TEST_F(DrawTest, ClipsAtEveryEdge) {
  item.Prepare();
  struct Pos {
    int x, y;
  };
  for (Pos p : {Pos{-2, -1}, Pos{8, 6}, Pos{-3, 6}, Pos{8, -2}, Pos{-4, 0}, Pos{10, 0}}) {
    surface.Fill(kBackground);
    item.Draw(surface, p.x, p.y, 2);
    for (int y = 0; y < 8; ++y) {
      for (int x = 0; x < 10; ++x) {
        const int fx = x - p.x, fy = y - p.y;
        const bool inside = fx >= 0 && fx < 4 && fy >= 0 && fy < 3 && !(fx == 1 && fy == 1);
        const uint16_t want = inside ? Expected565(item.Picture, fx + 10, fy) : kBackground;
        ASSERT_EQ(surface.At(x, y), want) << p.x << "," << p.y << " at " << x << "," << y;
      }
    }
  }
}

TEST_F(DrawTest, NothingForFramesOutOfRangeOrWhileUnprepared) {
  item.Draw(surface, 0, 0, 0);  // not prepared yet
  item.Prepare();
  item.Draw(surface, 0, 0, -1);
  item.Draw(surface, 0, 0, item.PatternCount());
  item.DrawRotated(surface, 0, 0, 4, 3, -1, 0, 0, 0);
  item.DrawRotated(surface, 0, 0, 4, 3, 3, 0, 0, 0);
  item.DrawRotated(surface, 0, 0, 0, 3, 0, 0, 0, 0);
  item.DrawRotated(surface, 0, 0, 4, 0, 0, 0, 0, 0);
  item.Unprepare();
  item.Draw(surface, 0, 0, 0);
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 10; ++x) ASSERT_EQ(surface.At(x, y), kBackground);
}

// Draws frame 0 of a 4 x 2 picture turned or scaled and returns which source pixel landed
// where, as indices into the picture (or -1 for the background).
std::vector<int> RotatedIndices(int w, int h, double pivotX, double pivotY, double angle, int x,
                                int y) {
  TPictureCollectionItem item;
  item.Picture = test::GradientPicture(4, 2);
  item.Transparent = false;
  item.Prepare();
  Surface s(12, 12);
  s.Fill(kBackground);
  item.DrawRotated(s, x, y, w, h, 0, pivotX, pivotY, angle);
  std::vector<int> out;
  for (int py = 0; py < 12; ++py) {
    for (int px = 0; px < 12; ++px) {
      int found = -1;
      for (int i = 0; i < 8; ++i) {
        if (s.At(px, py) == Expected565(item.Picture, i % 4, i / 4)) found = i;
      }
      out.push_back(found);
    }
  }
  return out;
}

int At(const std::vector<int>& v, int x, int y) {
  return v[static_cast<size_t>(y * 12 + x)];
}

TEST(DrawRotated, UnturnedAndUnscaledMatchesDraw) {
  const auto v = RotatedIndices(4, 2, 0, 0, 0, 3, 5);
  for (int y = 0; y < 12; ++y)
    for (int x = 0; x < 12; ++x) {
      const bool inside = x >= 3 && x < 7 && y >= 5 && y < 7;
      ASSERT_EQ(At(v, x, y), inside ? (y - 5) * 4 + (x - 3) : -1) << x << "," << y;
    }
}

TEST(DrawRotated, QuarterTurnIsClockwiseAboutThePivot) {
  // Pivot at the top-left corner placed at (6, 2): a quarter turn clockwise maps the frame's
  // x axis onto the screen's y axis and its y axis onto the negative x axis.
  const auto v = RotatedIndices(4, 2, 0, 0, 64, 6, 2);
  for (int y = 0; y < 12; ++y)
    for (int x = 0; x < 12; ++x) {
      const bool inside = x >= 4 && x < 6 && y >= 2 && y < 6;
      // Screen (x, y) shows frame pixel (y - 2, 5 - x).
      ASSERT_EQ(At(v, x, y), inside ? (5 - x) * 4 + (y - 2) : -1) << x << "," << y;
    }
  // Angles are taken modulo 256.
  EXPECT_EQ(RotatedIndices(4, 2, 0, 0, 64 + 256, 6, 2), v);
  EXPECT_EQ(RotatedIndices(4, 2, 0, 0, 64 - 512, 6, 2), v);
}

TEST(DrawRotated, HalfTurnAboutTheCentre) {
  // Centre pivot at (6, 6): the picture keeps its place but is upside down and mirrored.
  const auto v = RotatedIndices(4, 2, 0.5, 0.5, 128, 6, 6);
  for (int y = 0; y < 12; ++y)
    for (int x = 0; x < 12; ++x) {
      const bool inside = x >= 4 && x < 8 && y >= 5 && y < 7;
      ASSERT_EQ(At(v, x, y), inside ? (1 - (y - 5)) * 4 + (3 - (x - 4)) : -1) << x << "," << y;
    }
}

TEST(DrawRotated, ScalesToTheRequestedSizeWithNearestPixels) {
  // Doubled: 8 x 4, each source pixel a 2 x 2 block; pivot fraction 1 puts the bottom-right
  // corner at (9, 9).
  const auto v = RotatedIndices(8, 4, 1, 1, 0, 9, 9);
  for (int y = 0; y < 12; ++y)
    for (int x = 0; x < 12; ++x) {
      const bool inside = x >= 1 && x < 9 && y >= 5 && y < 9;
      ASSERT_EQ(At(v, x, y), inside ? ((y - 5) / 2) * 4 + (x - 1) / 2 : -1) << x << "," << y;
    }
}

TEST(DrawRotated, PartlyOffTheSurfaceIsClipped) {
  const auto v = RotatedIndices(40, 20, 0.5, 0.5, 37, 0, 11);
  // Nothing crashes and pixels near the pivot are drawn.
  EXPECT_NE(At(v, 0, 11), -1);
  EXPECT_NE(At(v, 1, 10), -1);
}

}  // namespace
}  // namespace vontra
