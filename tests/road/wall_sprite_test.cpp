#include <gtest/gtest.h>

#include "assets/picture_collection.h"
#include "player/my_car_sprite.h"
#include "road/spawner.h"
#include "road/wall_sprite.h"
#include "support/race_world.h"

namespace vontra {
namespace {

RaceWorld::Options Quiet(uint32_t seed = 1) {
  RaceWorld::Options options;
  options.Spawn = false;
  options.Draw = false;
  options.Seed = seed;
  return options;
}

TEST(WallSprite, RoadsideObjectsStandOnTheirVerges) {
  struct Case {
    uint8_t kind;
    bool left, right;  // verges allowed
  };
  const Case cases[] = {{14, true, true},  {15, true, true},  {16, true, false},
                        {17, true, false}, {18, false, true}, {19, false, true}};
  RaceWorld world(Quiet());
  for (const Case& c : cases) {
    bool sawLeft = false, sawRight = false;
    for (int n = 0; n < 60; ++n) {
      SpawnObject(world.Form(), c.kind);
      TWallSprite* o = world.Form().RoadObjects[1].get();
      ASSERT_NE(o, nullptr);
      if (o->X < 167) {
        EXPECT_GE(o->X, 125);
        EXPECT_LT(o->X, 125 + 37 - o->Width);
        sawLeft = true;
      } else {
        EXPECT_GE(o->X, 620);
        EXPECT_LT(o->X, 620 + 42 - o->Width);
        sawRight = true;
      }
      EXPECT_EQ(o->Y, -220);
      EXPECT_EQ(o->Z(), 2);
      FreeAllRoadObjects(world.Form());
    }
    EXPECT_EQ(sawLeft, c.left) << int(c.kind);
    EXPECT_EQ(sawRight, c.right) << int(c.kind);
  }
}

TEST(WallSprite, FixedAndLanePositions) {
  struct Case {
    uint8_t kind;
    std::vector<double> xs;  // every allowed creation X
    int32_t z;
  };
  const std::vector<double> lanes8 = {171, 232, 284, 342, 394, 452, 505, 561};
  auto shifted = [](std::vector<double> xs, double d) {
    for (double& x : xs) x += d;
    return xs;
  };
  const Case cases[] = {
      {20, {128}, 2},
      {21, {621}, 2},
      {22, {125}, 2},
      {23, {615}, 2},
      {58, {167}, 2},
      {0, shifted(lanes8, 7), 2},
      {8, shifted(lanes8, 4), 2},
      {12, shifted(lanes8, -2), 2},
      {11, {170, 283, 393, 504}, 2},
      {13, shifted(lanes8, 1), 2},
      {26, shifted(lanes8, 1), 3},
      {57, shifted(lanes8, 1), 3},
  };
  RaceWorld world(Quiet());
  for (const Case& c : cases) {
    for (int n = 0; n < 30; ++n) {
      SpawnObject(world.Form(), c.kind);
      TWallSprite* o = world.Form().RoadObjects[1].get();
      ASSERT_NE(o, nullptr) << int(c.kind);
      EXPECT_NE(std::find(c.xs.begin(), c.xs.end(), o->X), c.xs.end())
          << "kind " << int(c.kind) << " at " << o->X;
      EXPECT_EQ(o->Z(), c.z);
      FreeAllRoadObjects(world.Form());
    }
  }
}

TEST(WallSprite, ANewObjectTouchingAnotherIsDiscardedEdgesIncluded) {
  struct Case {
    double gap;  // between the new wall's bottom edge and the band's top edge
    bool kept;
  };
  const Case cases[] = {{-5, false}, {0, false}, {0.5, true}, {10, true}};
  for (const Case& c : cases) {
    RaceWorld world(Quiet());
    TMForm& form = world.Form();
    // A band across the whole road below the spawn line.
    const int32_t wallHeight = form.MDXImageList3->Find("WallSmall").Height();
    TWallSprite& band = *world.Place(58, 167, -220 + wallHeight + c.gap);
    form.SpawnCount = 0;
    SpawnObject(form, ToInt(RoadObjectKinds::kWallSmall));
    EXPECT_EQ(UsedRoadObjectCount(form), c.kept ? 2 : 1) << c.gap;
    EXPECT_EQ(form.SpawnCount, c.kept ? 1 : 0) << "a discarded object does not count";
    EXPECT_FALSE(form.RoadObjects[2] && !c.kept);
    // A finish line is never discarded.
    SpawnObject(form, ToInt(RoadObjectKinds::kFinishLine));
    EXPECT_EQ(UsedRoadObjectCount(form), c.kept ? 3 : 2);
    (void)band;
  }
}

TEST(WallSprite, WreckKeepsTheExplosionCentred) {
  RaceWorld world(Quiet());
  TWallSprite& o = *world.Place(32, 300, 100);  // "Car8", a traffic car with the big blast
  const double centreX = o.X + o.Width / 2.0;
  const double centreY = o.Y + o.Height / 2.0;
  const TPictureCollectionItem& blast = world.Form().MDXImageList3->Find("ExplosionBig");
  ASSERT_NE(o.Width, blast.Width()) << "the test wants a car of another size than its blast";
  o.Wreck();
  EXPECT_EQ(o.Width, blast.Width());
  EXPECT_EQ(o.Height, blast.Height());
  EXPECT_EQ(o.X + o.Width / 2.0, centreX);
  EXPECT_EQ(o.Y + o.Height / 2.0, centreY);
  EXPECT_EQ(o.FrameCount, blast.PatternCount());
  EXPECT_FALSE(o.LoopFrames);
  EXPECT_EQ(o.OwnSpeed, 0.0);
  EXPECT_EQ(world.SoundCount("WallExplosion"), 1);
}

// The player's car drives onto an obstacle: what it does, and that it does it once.
TEST(WallSprite, ObstaclesActOnTheCarOnce) {
  struct Case {
    uint8_t kind;
    SpeedModes mode;  // kNone for "either skid"
    double target;
    double timerMs;
    const char* sound;
  };
  const double speed = 12;
  const Case cases[] = {
      {8, SpeedModes::kDownToTarget, 0.75 * speed, 0, nullptr},
      {9, SpeedModes::kNone, speed - 25.0 / 7.0, 700, "Water"},
      {10, SpeedModes::kDownToTarget, 0.5 * speed, 0, nullptr},
      {11, SpeedModes::kSpikes, 25.0 / 7.0, 5000, "Spike"},
      {12, SpeedModes::kSpikes, 25.0 / 7.0, 5000, "Spike"},
  };
  for (const Case& c : cases) {
    RaceWorld world(Quiet());
    TMyCarSprite& car = world.Car();
    car.Speed = speed;
    TWallSprite& o = *world.Place(c.kind, car.X, car.Y + 10);
    world.MovePass();
    if (c.mode == SpeedModes::kNone) {
      EXPECT_TRUE(car.SpeedMode == SpeedModes::kSkidRight || car.SpeedMode == SpeedModes::kSkidLeft)
          << int(c.kind);
    } else {
      EXPECT_EQ(car.SpeedMode, c.mode) << int(c.kind);
    }
    // The car moved before the object probed, so its target is taken from this frame's speed.
    EXPECT_FALSE(o.CollisionEnabled);
    if (c.timerMs > 0) {
      EXPECT_EQ(car.ModeTimerMs, c.timerMs);
    }
    if (c.sound) {
      EXPECT_EQ(world.SoundCount(c.sound), 1);
    }
    car.SpeedMode = SpeedModes::kNone;
    car.Speed = speed;
    world.MovePass();
    EXPECT_EQ(car.SpeedMode, SpeedModes::kNone) << "kind " << int(c.kind) << " acts once";
    EXPECT_FALSE(o.Wrecked);
  }
  // Targets are fractions of the speed at contact.
  RaceWorld world(Quiet());
  TMyCarSprite& car = world.Car();
  car.Speed = speed;
  world.Place(10, car.X, car.Y + 10);
  world.MovePass();
  EXPECT_DOUBLE_EQ(car.TargetSpeed, 0.5 * speed);
}

TEST(WallSprite, BonusesArePickedUpUnlessTheCarHasFinished) {
  RaceWorld world(Quiet());
  TMyCarSprite& car = world.Car();
  TWallSprite& guns = *world.Place(4, car.X, car.Y);
  world.MovePass();
  EXPECT_TRUE(car.HasTwinGuns);
  EXPECT_TRUE(guns.Collected);
  PurgeRoadObjects(world.Form());
  EXPECT_EQ(UsedRoadObjectCount(world.Form()), 0);

  car.Finished = true;
  TWallSprite& shield = *world.Place(2, car.X, car.Y);
  world.MovePass();
  EXPECT_FALSE(car.HasShield);
  EXPECT_FALSE(shield.Collected);
}

TEST(WallSprite, WallDestroysThePlayersCarAndBreaks) {
  RaceWorld world(Quiet());
  TMyCarSprite& car = world.Car();
  TWallSprite& wall = *world.Place(13, car.X, car.Y + 20);
  world.MovePass();
  EXPECT_TRUE(wall.Wrecked);
  EXPECT_EQ(car.State, CarStates::kDestroyed);
  EXPECT_EQ(world.Form().Lives, 3);
}

TEST(WallSprite, TrafficCrashesWreckBoth) {
  struct Case {
    uint8_t other;
  };
  for (uint8_t other : {uint8_t{13}, uint8_t{27}, uint8_t{40}}) {
    RaceWorld world(Quiet());
    TWallSprite& car = *world.Place(26, 300, 100);
    TWallSprite& o = *world.Place(other, 310, 120);
    car.Weapon = o.Weapon = TrafficWeapons::kNone;
    world.MovePass();
    EXPECT_TRUE(car.Wrecked) << int(other);
    EXPECT_TRUE(o.Wrecked) << int(other);
    EXPECT_EQ(world.Form().Score, 0) << "crashes give no points";
  }
  // A bonus or a crack under a traffic car stays.
  RaceWorld world(Quiet());
  TWallSprite& car = *world.Place(26, 300, 100);
  car.Weapon = TrafficWeapons::kNone;
  TWallSprite& bonus = *world.Place(3, 310, 120);
  world.MovePass();
  EXPECT_FALSE(car.Wrecked);
  EXPECT_FALSE(bonus.Wrecked);
}

TEST(WallSprite, FinishLineSetsFinishY) {
  RaceWorld world(Quiet());
  world.Car().Speed = 8;
  world.MovePass();
  TWallSprite& line = *world.Place(58, 167, -50);
  world.MovePass();
  EXPECT_EQ(world.Form().FinishY, -50) << "taken before the line moves";
  EXPECT_EQ(line.Y, -50 + world.Car().Step / 4);
}

}  // namespace
}  // namespace vontra
