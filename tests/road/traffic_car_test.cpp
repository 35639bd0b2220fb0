#include <gtest/gtest.h>

#include <set>

#include "assets/picture_collection.h"
#include "player/bullets.h"
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

TEST(TrafficCar, StartValuesStayInTheirRanges) {
  RaceWorld world(Quiet());
  TMForm& form = world.Form();
  std::set<int32_t> weapons;
  for (int n = 0; n < 400; ++n) {
    const uint8_t kind = static_cast<uint8_t>(26 + n % 32);
    SpawnObject(form, kind);
    const TWallSprite& o = *form.RoadObjects[1];
    EXPECT_TRUE(o.IsCar);
    EXPECT_EQ(o.ScoreValue, o.HitPoints);
    if (o.SameDirection) {
      EXPECT_GE(o.OwnSpeed, -87.0 / 14);
      EXPECT_LE(o.OwnSpeed, -45.0 / 14);
    } else {
      EXPECT_GE(o.OwnSpeed, 30.0 / 14);
      EXPECT_LE(o.OwnSpeed, 87.0 / 14);
    }
    const bool unarmed =
        kind == ToInt(RoadObjectKinds::kCar6) || kind == ToInt(RoadObjectKinds::kCar6Inv) ||
        kind == ToInt(RoadObjectKinds::kCar12) || kind == ToInt(RoadObjectKinds::kCar12Inv);
    if (unarmed) {
      EXPECT_EQ(o.Weapon, TrafficWeapons::kNone) << int(kind);
    } else {
      weapons.insert(ToInt(o.Weapon));
    }
    FreeAllRoadObjects(form);
  }
  EXPECT_EQ(weapons, (std::set<int32_t>{0, 1, 2, 3, 4}));
}

TEST(TrafficCar, LaneChangeEndsAtTheRoadEdge) {
  RaceWorld world(Quiet());
  TWallSprite& o = *world.Place(26, 170, 100);
  o.Weapon = TrafficWeapons::kNone;
  o.OwnSpeed = 0;
  o.LateralSpeed = -15.0 / 14;
  o.LaneTimerMs = 750;
  for (int n = 0; n < 3; ++n) world.MovePass();
  EXPECT_EQ(o.X, 167.0);
  EXPECT_EQ(o.LateralSpeed, 0.0);
  EXPECT_EQ(o.LaneTimerMs, 0);

  o.X = 620 - o.Width - 1;
  o.LateralSpeed = 15.0 / 14;
  o.LaneTimerMs = 750;
  world.MovePass();
  world.MovePass();
  EXPECT_EQ(o.X + o.Width, 620.0);
  EXPECT_EQ(o.LaneTimerMs, 0);
}

TEST(TrafficCar, WreckedCarNeitherFiresNorChangesLaneButKeepsToTheRoad) {
  RaceWorld world(Quiet());
  TWallSprite& o = *world.Place(30, 100, 100);
  o.Weapon = TrafficWeapons::kMachineGun;
  o.Wreck();
  for (int n = 0; n < 400; ++n) {
    world.MovePass();
    EXPECT_EQ(o.LaneTimerMs, 0);
    EXPECT_EQ(o.LateralSpeed, 0.0);
  }
  EXPECT_EQ(o.X, 167.0);
  EXPECT_EQ(world.Bullets().ActiveCount(), 0);
}

TEST(TrafficCar, FiresBurstsOfTwoToFourEveryThreeSeconds) {
  for (uint32_t seed = 1; seed <= 5; ++seed) {
    RaceWorld world(Quiet(seed));
    TWallSprite& o = *world.Place(26, 300, 150);
    o.Weapon = TrafficWeapons::kMachineGun;
    o.OwnSpeed = 0;
    TBullets& pool = world.Bullets();
    std::vector<int> triggers;
    for (int frame = 0; frame < 510; ++frame) {  // six seconds at 85 a second
      pool.FreeAllShots();
      o.X = 300;
      world.MovePass();
      if (pool.ActiveCount() > 0) triggers.push_back(frame);
    }
    ASSERT_FALSE(triggers.empty());
    EXPECT_EQ(triggers[0], 0) << "the first burst starts at once";
    std::vector<std::vector<int>> bursts;
    for (size_t i = 0; i < triggers.size(); ++i) {
      if (i == 0 || (triggers[i] - triggers[i - 1]) * 12 > 1000) bursts.emplace_back();
      bursts.back().push_back(triggers[i]);
    }
    ASSERT_EQ(bursts.size(), 2u) << seed;
    for (const auto& burst : bursts) {
      EXPECT_GE(burst.size(), 2u);
      EXPECT_LE(burst.size(), 4u);
      for (size_t i = 1; i < burst.size(); ++i) {
        EXPECT_GE((burst[i] - burst[i - 1]) * 12, 400);
        EXPECT_LE((burst[i] - burst[i - 1]) * 12, 400 + 24);
      }
    }
    // A burst starts every 3000 ms; the shot clock left from the last trigger still runs its
    // 400 ms before the next burst's first shot.
    EXPECT_NEAR((bursts[1][0] - bursts[0][0]) * 12, 3000 + 400, 24);
  }
}

TEST(TrafficCar, WeaponsFireFromTheirMounts) {
  struct Shot {
    double x, y;
  };
  // The car's box where it stands, from the size of its picture.
  struct Box {
    double left, top, right, bottom, cx, cy;
  };
  struct Case {
    uint8_t kind;
    const char* picture;
    TrafficWeapons weapon;
    ShotKinds shotKind;
    std::vector<Shot> (*shots)(const Box&);
  };
  // Kind 26 drives up the road, kind 27 ("_Inv") comes down it: the mounts mirror.
  const Case cases[] = {
      {26, "Car5", TrafficWeapons::kMachineGun, ShotKinds::kMachineGun,
       [](const Box& b) {
         return std::vector<Shot>{{b.cx - 3, b.cy - 18}};
       }},
      {27, "Car5_Inv", TrafficWeapons::kMachineGun, ShotKinds::kMachineGun,
       [](const Box& b) {
         return std::vector<Shot>{{b.cx - 3, b.cy + 12}};
       }},
      {26, "Car5", TrafficWeapons::kTwinGuns, ShotKinds::kShell,
       [](const Box& b) {
         return std::vector<Shot>{{b.right - 7, b.bottom - 70}, {b.left + 1, b.bottom - 70}};
       }},
      {27, "Car5_Inv", TrafficWeapons::kTwinGuns, ShotKinds::kShell,
       [](const Box& b) {
         return std::vector<Shot>{{b.right - 5, b.bottom - 16}, {b.left - 1, b.bottom - 16}};
       }},
      {26, "Car5", TrafficWeapons::kRocket, ShotKinds::kRocket,
       [](const Box& b) {
         return std::vector<Shot>{{b.cx - 2, b.cy - 37}};
       }},
      {27, "Car5_Inv", TrafficWeapons::kRocket, ShotKinds::kRocket,
       [](const Box& b) {
         return std::vector<Shot>{{b.cx - 4, b.cy + 17}};
       }},
      {26, "Car5", TrafficWeapons::kTwinRockets, ShotKinds::kRocket,
       [](const Box& b) {
         return std::vector<Shot>{{b.left + 4, b.top - 21}, {b.right - 7, b.top - 21}};
       }},
      {27, "Car5_Inv", TrafficWeapons::kTwinRockets, ShotKinds::kRocket,
       [](const Box& b) {
         return std::vector<Shot>{{b.left + 4, b.top + 65}, {b.right - 7, b.top + 65}};
       }},
  };
  for (const Case& c : cases) {
    RaceWorld world(Quiet());
    const TPictureCollectionItem& picture = world.Form().MDXImageList3->Find(c.picture);
    const double w = picture.Width();
    const double h = picture.Height();
    const Box box{300, 100, 300 + w, 100 + h, 300 + w / 2, 100 + h / 2};
    TWallSprite& o = *world.Place(c.kind, box.left, box.top);
    ASSERT_EQ(o.Width, w) << c.picture;
    ASSERT_EQ(o.Height, h) << c.picture;
    o.Weapon = c.weapon;
    o.FireWeapon();
    const std::vector<Shot> shots = c.shots(box);
    const TBullets& pool = world.Bullets();
    ASSERT_EQ(pool.ActiveCount(), static_cast<int>(shots.size()));
    for (size_t i = 0; i < shots.size(); ++i) {
      const int slot = static_cast<int>(i) + 1;
      EXPECT_EQ(pool.ShotX[slot], shots[i].x) << int(c.kind) << " weapon " << ToInt(c.weapon);
      EXPECT_EQ(pool.ShotY[slot], shots[i].y) << int(c.kind) << " weapon " << ToInt(c.weapon);
      EXPECT_EQ(pool.Kind[slot], c.shotKind);
      EXPECT_EQ(pool.Owner[slot], ShotOwners::kTraffic);
      EXPECT_EQ(pool.Speed[slot], o.SameDirection ? o.OwnSpeed + 40 : o.OwnSpeed - 40);
    }
  }
}

TEST(TrafficCar, RammingTradesEnergyAgainstHitPoints) {
  struct Case {
    int32_t energy;
    uint8_t kind;  // 36: 30 hit points
    bool shield;
    bool wrecked;
    int32_t hitPointsLeft;
    int32_t energyLeft;  // 100 again when the player's car was destroyed
    bool destroyed;
    bool braking;
  };
  const Case cases[] = {
      {50, 36, false, true, 30, 20, false, true},    // more energy: wrecked, car brakes
      {10, 36, false, false, 20, 100, true, false},  // less: weakened; costs 20 of 10
      {20, 36, false, false, 10, 10, false, false},
      {30, 36, false, true, 30, 100, true, false},  // equal: both gone
      {50, 36, true, true, 30, 34, false, true},    // shield: 30 / 2 + 1
  };
  for (const Case& c : cases) {
    RaceWorld world(Quiet());
    TMyCarSprite& car = world.Car();
    car.Energy = c.energy;
    car.HasShield = c.shield;
    car.ShieldMs = 10000;
    car.Speed = 10;
    TWallSprite& o = *world.Place(c.kind, car.X, car.Y - 30);
    o.Weapon = TrafficWeapons::kNone;
    o.OwnSpeed = 0;
    world.MovePass();
    EXPECT_EQ(o.Wrecked, c.wrecked) << c.energy;
    EXPECT_EQ(o.HitPoints, c.hitPointsLeft) << c.energy;
    EXPECT_EQ(car.Energy, c.energyLeft) << c.energy;
    EXPECT_EQ(car.State == CarStates::kDestroyed, c.destroyed) << c.energy;
    EXPECT_EQ(car.SpeedMode == SpeedModes::kDownToTarget, c.braking) << c.energy;
    if (c.braking) {
      EXPECT_DOUBLE_EQ(car.TargetSpeed, 5.0) << "half the speed at contact";
    }
    EXPECT_EQ(world.Form().Score, 0) << "ramming gives no points";
  }
}

}  // namespace
}  // namespace vontra
