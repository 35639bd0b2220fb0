#include <gtest/gtest.h>

#include "assets/picture_collection.h"
#include "player/explosion.h"
#include "player/my_car_sprite.h"
#include "support/race_world.h"

namespace vontra {
namespace {

// Frames of one cycle of the big blast at the world's 85 frames a second: it advances 21.25
// frames a second and wraps half a frame early.
double BlastCycleFrames(const TExplosion& blast) {
  return (blast.FrameCount - 0.5) / (21.25 / 85);
}

RaceWorld::Options Quiet(int32_t lives = 4) {
  RaceWorld::Options options;
  options.Spawn = false;
  options.Draw = false;
  options.Lives = lives;
  return options;
}

TEST(CarLife, ShieldHalvesDamagePlusOne) {
  struct Case {
    bool shield;
    int32_t amount;
    int32_t cost;
  };
  const Case cases[] = {{false, 11, 11}, {true, 11, 6}, {false, 21, 21},
                        {true, 21, 11},  {true, 1, 1},  {true, 30, 16}};
  RaceWorld world(Quiet());
  TMyCarSprite& car = world.Car();
  for (const Case& c : cases) {
    car.HasShield = c.shield;
    car.Energy = 100;
    car.TakeDamage(c.amount);
    EXPECT_EQ(car.Energy, 100 - c.cost) << "shield " << c.shield << " amount " << c.amount;
  }
}

TEST(CarLife, DestroyedCarExplodesTwiceThenRespawnsWithFullEnergy) {
  RaceWorld world(Quiet(3));
  TMyCarSprite& car = world.Car();
  TExplosion& blast = world.BigExplosion();
  car.Speed = 10;
  car.GiveBonus(BonusCodes::kRocket);
  car.Energy = 15;
  car.TakeDamage(21);
  EXPECT_EQ(car.State, CarStates::kDestroyed);
  EXPECT_EQ(world.Form().Lives, 2);
  EXPECT_EQ(car.Energy, 100);
  EXPECT_EQ(car.Speed, 0.0);
  EXPECT_FALSE(car.Visible);
  EXPECT_TRUE(blast.Visible);
  EXPECT_TRUE(car.HasGun) << "bonuses are lost";
  EXPECT_FALSE(car.HasRocket);
  EXPECT_TRUE(world.Form().ShakeActive);
  EXPECT_EQ(world.SoundCount("PlayerExplosion"), 1);
  car.DestroyCar();
  EXPECT_EQ(world.Form().Lives, 2) << "a destroyed car is not destroyed again";

  int frames = 0;
  while (car.DeathCycles == 2 && frames < 500) {
    world.Step({.Accelerate = true});
    ++frames;
  }
  EXPECT_NEAR(frames, BlastCycleFrames(blast), 2);
  world.Step();
  EXPECT_EQ(blast.Y, car.Y + car.Height - blast.Height) << "second cycle at the bottom edge";
  while (car.State == CarStates::kDestroyed && frames < 500) {
    world.Step({.Accelerate = true});
    ++frames;
  }
  EXPECT_NEAR(frames, 2 * BlastCycleFrames(blast), 4);
  EXPECT_EQ(car.State, CarStates::kDriving);
  EXPECT_EQ(world.Form().Lives, 2);
  EXPECT_FALSE(blast.Visible);
  world.Step();
  EXPECT_TRUE(car.Visible);
  EXPECT_GE(car.X, 177.0);
  EXPECT_LT(car.X, 177.0 + 432 - car.Width);
  EXPECT_TRUE(world.WindowsOpened().empty());
}

TEST(CarLife, LosingTheLastLifeEndsTheGameOnceAfterTwoCycles) {
  RaceWorld world(Quiet(1));
  TMyCarSprite& car = world.Car();
  car.DestroyCar();
  EXPECT_EQ(world.Form().Lives, 0);
  int frames = 0;
  while (world.WindowsOpened().empty() && frames < 500) {
    world.MovePass();
    ++frames;
  }
  EXPECT_NEAR(frames, 2 * BlastCycleFrames(world.BigExplosion()), 4);
  ASSERT_EQ(world.WindowsOpened(), std::vector<WindowKinds>{WindowKinds::kGameOver});
  EXPECT_FALSE(world.BigExplosion().Visible);
  EXPECT_EQ(car.State, CarStates::kDestroyed);
  world.MovePass();
  world.MovePass();
  EXPECT_EQ(world.WindowsOpened().size(), 1u) << "game over is raised once";
  car.DestroyCar();
  EXPECT_EQ(world.Form().Lives, 0) << "lives never go below 0";
}

TEST(CarLife, FinishedCarCannotBeDestroyed) {
  RaceWorld world(Quiet());
  TMyCarSprite& car = world.Car();
  car.State = CarStates::kFinished;
  car.TakeDamage(150);
  EXPECT_EQ(car.State, CarStates::kFinished);
  EXPECT_EQ(world.Form().Lives, 4);
}

TEST(CarLife, ScoreTakesPointsAsSixteenBitUnsigned) {
  RaceWorld world(Quiet());
  world.Form().Score = 10;
  world.Car().AddScore(static_cast<uint16_t>(65535));
  EXPECT_EQ(world.Form().Score, 65545);
}

TEST(CarLife, EnergyGaugeDrawsOneCellPerLostFortySecondPart) {
  struct Case {
    int32_t energy;
    int cells;
  };
  // round((100 - energy) * 0.42), halves to even.
  const Case cases[] = {{100, 0}, {99, 0}, {98, 1}, {50, 21}, {1, 42}};
  RaceWorld::Options options = Quiet();
  options.Draw = true;
  RaceWorld world(options);
  TMyCarSprite& car = world.Car();
  const uint16_t cell = world.Form().MDXImageList3->Find("EnergyBarSmall").PreparedPixels()[0];
  for (const Case& c : cases) {
    car.Energy = c.energy;
    world.Step();
    int drawn = 0;
    for (int i = 1; i <= 45; ++i) {
      const int x = 605 - 10 * i;
      if (world.Frame().At(x + 4, 593) == cell) ++drawn;
    }
    EXPECT_EQ(drawn, c.cells) << "energy " << c.energy;
  }
}

}  // namespace
}  // namespace vontra
