#include <gtest/gtest.h>

#include "player/explosion.h"
#include "support/race_world.h"

namespace vontra {
namespace {

TEST(Explosion, AdvancesAboutPointEightyFiveRateFramesASecondAtAnyFrameRate) {
  struct Case {
    int frameRate;
    double perMove;
  };
  // BigExplosion, Rate 25: SpeedFactor x 25 / (FrameTimeMs x 100) x FrameTimeMs.
  const Case cases[] = {{50, 0.425}, {100, 0.2125}};
  for (const Case& c : cases) {
    RaceWorld::Options options;
    options.Spawn = false;
    options.Draw = false;
    options.FrameRate = c.frameRate;
    RaceWorld world(options);
    TExplosion& blast = world.BigExplosion();
    blast.FramePos = 0;
    blast.FrameSpeed = 0;
    const int32_t e = world.Form().FrameTimeMs;
    blast.MoveSelf(e);
    EXPECT_EQ(blast.FramePos, 0.0) << "the first move only sets the speed";
    double total = 0;
    double last = 0;
    for (int move = 0; move < c.frameRate; ++move) {
      blast.MoveSelf(e);
      const double advanced = blast.FramePos >= last
                                  ? blast.FramePos - last
                                  : blast.FramePos + blast.FrameCount - 0.5 - last;
      if (move < 5) {
        EXPECT_NEAR(blast.FramePos - last, c.perMove, 1e-12) << c.frameRate;
      }
      total += advanced;
      last = blast.FramePos;
    }
    // One second of moves: 21.25 frames, give or take the early wrap.
    EXPECT_NEAR(total, 21.25, 1.0) << c.frameRate;
  }
}

TEST(Explosion, WrapsHalfAFrameEarly) {
  RaceWorld::Options options;
  options.Spawn = false;
  options.Draw = false;
  RaceWorld world(options);
  TExplosion& blast = world.BigExplosion();
  ASSERT_GT(blast.FrameCount, 1);
  // Half a frame before the end of the last frame: FrameCount - 0.5.
  const double wrap = blast.FrameCount - 0.5;
  blast.FrameSpeed = 0;
  blast.FramePos = wrap - 0.01;
  blast.MoveSelf(12);
  EXPECT_EQ(blast.FramePos, wrap - 0.01);
  blast.FrameSpeed = 0.001;
  blast.MoveSelf(12);
  EXPECT_EQ(blast.FramePos, 0.0) << "0.002 past the wrap";
}

TEST(Explosion, RateZeroStandsOnTheFirstFrame) {
  RaceWorld world;
  TExplosion& micro = *world.Form().MicroExplosion;
  world.Run(100);
  EXPECT_EQ(micro.FramePos, 0.0);
  EXPECT_FALSE(micro.Visible);
  EXPECT_GT(world.Form().EngineFireSprite->FramePos + world.Form().GunFireSprite->FramePos, 0.0)
      << "the flame clocks run while hidden";
}

}  // namespace
}  // namespace vontra
