#include "platform/sdl/window_size.h"

#include <gtest/gtest.h>

namespace vontra {
namespace {

TEST(WindowSize, StartsAtTheLargestWholeMultipleThatFitsTheDesktopWithItsFrame) {
  struct Case {
    int width, height, scale;
  };
  for (const Case& c : {Case{2560, 1440, 2}, Case{2560, 1400, 2}, Case{1280, 1024, 1},
                        Case{1920, 1080, 1}, Case{1920, 1200, 1}, Case{1616, 1249, 2},
                        Case{1615, 1249, 1}, Case{1616, 1248, 1}, Case{3840, 2160, 3},
                        Case{5120, 2880, 4}, Case{800, 600, 1}, Case{640, 480, 1}, Case{0, 0, 1}}) {
    EXPECT_EQ(StartScale(c.width, c.height), c.scale) << c.width << "x" << c.height;
  }
  EXPECT_EQ(ClientWidth(2), 1600);
  EXPECT_EQ(ClientHeight(2), 1201);
}

TEST(WindowSize, OnlyWholeMultiplesOfThePictureAreDrawnWithWholePixels) {
  struct Case {
    int width, height;
    bool whole;
  };
  for (const Case& c : {Case{800, 601, true}, Case{800, 600, true}, Case{1600, 1201, true},
                        Case{2560, 1200, true},   // bars left and right
                        Case{1600, 1440, true},   // bars above and below
                        Case{2560, 1440, false},  // 2.4 times
                        Case{1920, 1080, false}, Case{801, 601, false}, Case{1000, 700, false},
                        Case{799, 600, false}, Case{400, 300, false}}) {
    EXPECT_EQ(WholeMultiple(c.width, c.height), c.whole) << c.width << "x" << c.height;
  }
}

TEST(WindowSize, ARememberedPlaceMustLeaveTheTitleBarOnTheDesktop) {
  const PixelRect desktop{0, 0, 2560, 1440};
  struct Case {
    PixelRect window;
    bool reachable;
  };
  for (const Case& c : {Case{{480, 100, 1600, 1201}, true}, Case{{-1500, 100, 1600, 1201}, true},
                        Case{{-1550, 100, 1600, 1201}, false}, Case{{2500, 100, 800, 601}, false},
                        Case{{100, -20, 800, 601}, false}, Case{{100, 1420, 800, 601}, false},
                        Case{{3000, 100, 800, 601}, false}}) {
    EXPECT_EQ(ReachableOn(c.window, desktop), c.reachable)
        << c.window.X << "," << c.window.Y << " " << c.window.Width << "x" << c.window.Height;
  }
  // A second screen to the right.
  EXPECT_TRUE(ReachableOn({3000, 100, 800, 601}, {2560, 0, 1920, 1080}));
}

}  // namespace
}  // namespace vontra
