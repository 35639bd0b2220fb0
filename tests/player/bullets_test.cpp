#include <gtest/gtest.h>

#include "player/bullets.h"
#include "player/my_car_sprite.h"
#include "road/wall_sprite.h"
#include "support/race_world.h"

namespace vontra {
namespace {

RaceWorld::Options Quiet(int frameRate = 85) {
  RaceWorld::Options options;
  options.FrameRate = frameRate;
  options.Spawn = false;
  options.Draw = false;
  return options;
}

// A traffic car standing still on the road (the player's car stands too), unarmed.
TWallSprite& StandingCar(RaceWorld& world, uint8_t kind, double x, double y) {
  TWallSprite& o = *world.Place(kind, x, y);
  o.OwnSpeed = 0;
  o.Weapon = TrafficWeapons::kNone;
  return o;
}

int32_t SlotOfShotAt(const TBullets& pool, double x, double y) {
  for (int32_t i = 1; i <= kShotSlots; ++i) {
    if (pool.Active[i] && pool.ShotX[i] == x && pool.ShotY[i] == y) return i;
  }
  return 0;
}

TEST(Bullets, RiseByOwnSpeedLessHalfTheRoadScroll) {
  struct Case {
    double carSpeed;
    double risePerFrame;
  };
  const Case cases[] = {{0, 10.0}, {kCarMaxSpeed, 57.857142857142854 / 4 - 17.857142857142858 / 8}};
  for (const Case& c : cases) {
    RaceWorld world(Quiet());
    TMyCarSprite& car = world.Car();
    car.Speed = c.carSpeed;
    world.MovePass();  // the car takes its Step for the frame
    world.Bullets().AddShot(0, ShotKinds::kMachineGun, 300, 400, car.Step + 40,
                            ShotOwners::kPlayer);
    world.MovePass();
    EXPECT_NEAR(world.Bullets().ShotY[1], 400 - c.risePerFrame, 1e-9) << c.carSpeed;
    EXPECT_EQ(world.Bullets().ShotX[1], 300.0);
  }
  EXPECT_NEAR(cases[1].risePerFrame, 12.23, 0.005);
}

TEST(Bullets, AShotAfterTheOneThatDestroysTheCarRisesWithTheStoppedRoad) {
  RaceWorld world(Quiet());
  TMyCarSprite& car = world.Car();
  car.Speed = kCarMaxSpeed;
  world.MovePass();
  ASSERT_GT(car.Step, 0.0);
  car.Energy = 10;
  TBullets& pool = world.Bullets();
  pool.AddShot(0, ShotKinds::kRocket, car.X + 10, car.Y + 10, 0,
               ShotOwners::kTraffic);  // slot 1 destroys the car
  pool.AddShot(0, ShotKinds::kMachineGun, 300, 300, 40,
               ShotOwners::kPlayer);  // slot 2 flies after it
  world.MovePass();
  ASSERT_EQ(car.State, CarStates::kDestroyed);
  EXPECT_NEAR(pool.ShotY[2], 300 - 40 * world.Form().SpeedFactor * 0.25, 1e-9);
}

TEST(Bullets, PoolHoldsThirtyShotsAndDropsTheRest) {
  RaceWorld world(Quiet());
  TBullets& pool = world.Bullets();
  for (int i = 0; i < 31; ++i)
    pool.AddShot(0, ShotKinds::kShell, 200 + i, 300, 0, ShotOwners::kPlayer);
  EXPECT_EQ(pool.ActiveCount(), 30);
  EXPECT_EQ(SlotOfShotAt(pool, 230, 300), 0) << "the 31st shot is dropped";
  pool.FreeShot(5);
  pool.AddShot(0, ShotKinds::kRocket, 250, 320, 0, ShotOwners::kTraffic);
  EXPECT_EQ(SlotOfShotAt(pool, 250, 320), 5) << "the lowest free slot is taken";
  EXPECT_EQ(pool.Kind[5], ShotKinds::kRocket);
  EXPECT_EQ(pool.Owner[5], ShotOwners::kTraffic);
  pool.FreeAllShots();
  EXPECT_EQ(pool.ActiveCount(), 0);
}

TEST(Bullets, LeaveOutsideTheRoadArea) {
  struct Case {
    double x, y;
    bool kept;
  };
  const Case cases[] = {{110, 300, false},  {110.5, 300, true}, {665, 300, false},
                        {664.5, 300, true}, {300, -10, false},  {300, -9.5, true},
                        {300, 600, false},  {300, 599.5, true}};
  RaceWorld world(Quiet());
  for (const Case& c : cases) {
    TBullets& pool = world.Bullets();
    pool.FreeAllShots();
    // Speed 0 with the player's car standing: the shot stays where it is.
    pool.AddShot(0, ShotKinds::kMachineGun, c.x, c.y, 0, ShotOwners::kPlayer);
    world.MovePass();
    EXPECT_EQ(pool.Active[1], c.kept) << c.x << ", " << c.y;
  }
}

TEST(Bullets, HitTheBoxOfATrafficCarEdgesIncluded) {
  struct Case {
    double dx, dy;  // from the car's top-left corner, in its width and height
    bool hit;
  };
  const Case cases[] = {{0, 0.5, true},      {1, 0.5, true},      {0.5, 0, true},
                        {0.5, 1, true},      {-0.01, 0.5, false}, {1.01, 0.5, false},
                        {0.5, -0.01, false}, {0.5, 1.01, false}};
  for (const Case& c : cases) {
    RaceWorld world(Quiet());
    TWallSprite& o = StandingCar(world, 36, 300, 200);  // 30 hit points
    const double x = o.X + c.dx * o.Width;
    const double y = o.Y + c.dy * o.Height;
    world.Bullets().AddShot(0, ShotKinds::kMachineGun, x, y, 0, ShotOwners::kPlayer);
    world.MovePass();
    EXPECT_EQ(o.HitPoints, c.hit ? 19 : 30) << c.dx << ", " << c.dy;
  }
}

TEST(Bullets, TrafficCarsAreWreckedByTheShotThatTakesTheirLastHitPoint) {
  struct Case {
    uint8_t kind;
    std::vector<ShotKinds> shots;  // shot kinds, one per frame; the last one wrecks
  };
  const Case cases[] = {
      {28, {ShotKinds::kMachineGun}},                          // 10 hit points
      {26, {ShotKinds::kMachineGun, ShotKinds::kMachineGun}},  // 20
      {26, {ShotKinds::kRocket}},                              // 20
      {36, {ShotKinds::kMachineGun, ShotKinds::kMachineGun, ShotKinds::kMachineGun}},  // 30
      {36, {ShotKinds::kRocket, ShotKinds::kMachineGun}},                              // 30
      {36, {ShotKinds::kShell, ShotKinds::kShell, ShotKinds::kShell}},                 // 30
  };
  for (const Case& c : cases) {
    RaceWorld world(Quiet());
    TWallSprite& o = StandingCar(world, c.kind, 300, 200);
    const int32_t score = world.Form().Score;
    TBullets& pool = world.Bullets();
    for (size_t n = 0; n < c.shots.size(); ++n) {
      const bool last = n + 1 == c.shots.size();
      world.ClearSounds();
      pool.AddShot(0, c.shots[n], o.X + 10, o.Y + 20, 0, ShotOwners::kPlayer);
      const int32_t slot = SlotOfShotAt(pool, o.X + 10, o.Y + 20);
      world.MovePass();
      EXPECT_EQ(o.Wrecked, last) << int(c.kind) << " shot " << n;
      if (last) {
        EXPECT_FALSE(pool.Active[slot]) << "the wrecking shot vanishes at once";
        EXPECT_EQ(world.Form().Score, score + o.ScoreValue);
      } else {
        EXPECT_TRUE(pool.Active[slot]);
        EXPECT_EQ(pool.Target[slot], o.Slot) << "the explosion sticks to the car";
        EXPECT_EQ(world.SoundCount("BulletSmall"), 1);
      }
    }
    world.MovePass();
    EXPECT_EQ(pool.ActiveCount(), 0) << "explosions on a wrecked car vanish";
  }
}

TEST(Bullets, HitExplosionFollowsItsTargetForSeventeenFramesAtFiftyASecond) {
  for (int rate : {50, 60, 85, 120}) {
    RaceWorld world(Quiet(rate));
    TWallSprite& o = StandingCar(world, 36, 300, 200);
    TBullets& pool = world.Bullets();
    pool.AddShot(0, ShotKinds::kMachineGun, o.X + 30, o.Y + 10, 0, ShotOwners::kPlayer);
    world.MovePass();
    ASSERT_EQ(pool.Target[1], o.Slot);
    // Offset from the car's top-left corner less half its size.
    EXPECT_EQ(pool.ShotX[1], 30 - o.Width / 2);
    EXPECT_EQ(pool.ShotY[1], 10 - o.Height / 2);
    int frames = 1;
    while (pool.Active[1] && frames < 200) {
      world.MovePass();
      ++frames;
    }
    const double ms = (frames - 1) * world.Form().FrameTimeMs;
    EXPECT_GE(ms, 340 - world.Form().FrameTimeMs) << rate;
    EXPECT_LE(ms, 340 + world.Form().FrameTimeMs) << rate;
  }
}

TEST(Bullets, TrafficShotsHitThePlayersCarThroughItsShield) {
  struct Case {
    ShotKinds kind;
    bool shield;
    int32_t energy;
  };
  const Case cases[] = {{ShotKinds::kMachineGun, false, 89},
                        {ShotKinds::kMachineGun, true, 94},
                        {ShotKinds::kShell, true, 94},
                        {ShotKinds::kRocket, false, 79},
                        {ShotKinds::kRocket, true, 89}};
  for (const Case& c : cases) {
    RaceWorld world(Quiet());
    TMyCarSprite& car = world.Car();
    car.HasShield = c.shield;
    car.ShieldMs = 10000;
    world.Bullets().AddShot(0, c.kind, car.X + car.Width, car.Y + 5, 0, ShotOwners::kTraffic);
    world.MovePass();
    EXPECT_EQ(car.Energy, c.energy) << ToInt(c.kind) << " shield " << c.shield;
    EXPECT_EQ(world.Bullets().Target[1], -1);
    EXPECT_EQ(world.SoundCount("Bullet"), 1);
  }
}

TEST(Bullets, ShotsLeaveTheirOwnSideAlone) {
  RaceWorld world(Quiet());
  TMyCarSprite& car = world.Car();
  TWallSprite& o = StandingCar(world, 36, 300, 200);
  TBullets& pool = world.Bullets();
  pool.AddShot(0, ShotKinds::kMachineGun, car.X + 5, car.Y + 5, 0,
               ShotOwners::kPlayer);  // the player's own shot
  pool.AddShot(0, ShotKinds::kMachineGun, o.X + 5, o.Y + 5, 0,
               ShotOwners::kTraffic);  // traffic shot on traffic
  world.MovePass();
  EXPECT_EQ(car.Energy, 100);
  EXPECT_EQ(o.HitPoints, 30);
  EXPECT_EQ(pool.Target[1], 0);
  EXPECT_EQ(pool.Target[2], 0);
}

TEST(Bullets, ObstaclesThatAreNotShotProofBreakUnderEveryShot) {
  RaceWorld world(Quiet());
  TWallSprite& wallA = *world.Place(13, 300, 200);
  TWallSprite& wallB = *world.Place(13, 310, 205);
  TWallSprite& bonus = *world.Place(5, 290, 195);
  TWallSprite& crack = *world.Place(8, 300, 200);
  const int32_t score = world.Form().Score;
  world.Bullets().AddShot(0, ShotKinds::kMachineGun, 320, 210, 0, ShotOwners::kPlayer);
  world.MovePass();
  EXPECT_TRUE(wallA.Wrecked);
  EXPECT_TRUE(wallB.Wrecked) << "one shot breaks every such object under it";
  EXPECT_TRUE(bonus.Wrecked);
  EXPECT_FALSE(crack.Wrecked) << "shots pass over a crack";
  EXPECT_FALSE(world.Bullets().Active[1]);
  EXPECT_EQ(world.Form().Score, score) << "no points for obstacles";
}

TEST(Bullets, ExplosionOnThePlayersCarEndsWhenTheCarBlowsUp) {
  RaceWorld world(Quiet());
  TMyCarSprite& car = world.Car();
  car.Energy = 30;
  TBullets& pool = world.Bullets();
  pool.AddShot(0, ShotKinds::kMachineGun, car.X + 10, car.Y + 10, 0, ShotOwners::kTraffic);
  world.MovePass();
  ASSERT_EQ(pool.Target[1], -1);
  pool.AddShot(0, ShotKinds::kRocket, car.X + 10, car.Y + 10, 0, ShotOwners::kTraffic);
  world.MovePass();
  EXPECT_EQ(car.State, CarStates::kDestroyed);
  world.MovePass();
  EXPECT_EQ(pool.ActiveCount(), 0);
}

}  // namespace
}  // namespace vontra
