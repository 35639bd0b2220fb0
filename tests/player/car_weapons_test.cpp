#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

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

struct Weapons {
  bool gun, twinGuns, rocket, twinRockets, megaBomb;
  bool operator==(const Weapons&) const = default;
};

Weapons WeaponsOf(const TMyCarSprite& car) {
  return {car.HasGun, car.HasTwinGuns, car.HasRocket, car.HasTwinRockets, car.HasMegaBomb};
}

Weapons Only(BonusCodes code) {
  return {code == BonusCodes::kGun, code == BonusCodes::kTwinGuns, code == BonusCodes::kRocket,
          code == BonusCodes::kTwinRockets, code == BonusCodes::kMegaBomb};
}

TEST(CarWeapons, AWeaponBonusReplacesEveryOtherWeapon) {
  const BonusCodes weapons[] = {BonusCodes::kGun, BonusCodes::kTwinGuns, BonusCodes::kRocket,
                                BonusCodes::kTwinRockets, BonusCodes::kMegaBomb};
  struct Ammo {
    BonusCodes code;
    int32_t ammo, reloadTime;
  };
  const Ammo ammo[] = {{BonusCodes::kGun, 999, 100},
                       {BonusCodes::kTwinGuns, 30, 100},
                       {BonusCodes::kRocket, 20, 200},
                       {BonusCodes::kTwinRockets, 20, 200},
                       {BonusCodes::kMegaBomb, 1, 1000}};
  RaceWorld world(Quiet());
  TMyCarSprite& car = world.Car();
  for (BonusCodes first : weapons) {
    for (const Ammo& second : ammo) {
      car.GiveBonus(first);
      car.GiveBonus(second.code);
      EXPECT_EQ(WeaponsOf(car), Only(second.code))
          << ToInt(first) << " then " << ToInt(second.code);
      EXPECT_EQ(car.Ammo, second.ammo);
      EXPECT_EQ(car.ReloadTimeMs, second.reloadTime);
    }
  }
  // Turbo, shield and repair keep the weapon.
  car.GiveBonus(BonusCodes::kRocket);
  for (BonusCodes code : {BonusCodes::kTurbo, BonusCodes::kShield, BonusCodes::kRepair}) {
    car.GiveBonus(code);
    EXPECT_EQ(WeaponsOf(car), Only(BonusCodes::kRocket)) << ToInt(code);
    EXPECT_EQ(car.Ammo, 20);
  }
  EXPECT_EQ(world.SoundCount("Bonus"), 2 * 25 + 1 + 3);
}

TEST(CarWeapons, SpecialWeaponsRunOutToTheBasicGunSilently) {
  struct Case {
    BonusCodes code;
    int volleys;
    int shotsPerVolley;
    int32_t reloadMs;
  };
  const Case cases[] = {{BonusCodes::kTwinGuns, 30, 2, 100},
                        {BonusCodes::kRocket, 20, 1, 200},
                        {BonusCodes::kTwinRockets, 20, 2, 200}};
  for (int rate : {60, 85}) {
    for (const Case& c : cases) {
      RaceWorld world(Quiet(rate));
      TMyCarSprite& car = world.Car();
      TBullets& pool = world.Bullets();
      car.GiveBonus(c.code);
      world.ClearSounds();
      std::vector<int> volleyFrames;
      for (int frame = 0; frame < 2000 && !car.HasGun; ++frame) {
        const int32_t ammo = car.Ammo;
        pool.FreeAllShots();  // so that the shots of this frame's volley can be counted
        world.Step({.Fire = true});
        if (car.Ammo < ammo || car.HasGun) {
          volleyFrames.push_back(frame);
          EXPECT_EQ(pool.ActiveCount(), c.shotsPerVolley) << frame;
        } else {
          EXPECT_EQ(pool.ActiveCount(), 0) << frame;
        }
      }
      ASSERT_EQ(static_cast<int>(volleyFrames.size()), c.volleys)
          << ToInt(c.code) << " at " << rate;
      EXPECT_TRUE(car.HasGun);
      EXPECT_EQ(car.Ammo, 999);
      EXPECT_EQ(world.SoundCount("BonusLost"), 0);
      const int32_t frameMs = world.Form().FrameTimeMs;
      for (size_t v = 1; v < volleyFrames.size(); ++v) {
        const int gapMs = (volleyFrames[v] - volleyFrames[v - 1]) * frameMs;
        EXPECT_GE(gapMs, c.reloadMs) << "volley " << v;
        EXPECT_LE(gapMs, c.reloadMs + 2 * frameMs) << "volley " << v;
      }
    }
  }
}

TEST(CarWeapons, BasicGunNeverRunsOutAndFiresFromTheTopMuzzle) {
  RaceWorld world(Quiet());
  TMyCarSprite& car = world.Car();
  TBullets& pool = world.Bullets();
  car.Speed = 8;
  world.Run(200, {.Fire = true});
  EXPECT_EQ(car.Ammo, 999);
  EXPECT_TRUE(car.Firing);
  EXPECT_EQ(world.SoundCount("Shot"), 1) << "the rattle starts once and loops";
  // The newest shot: from the muzzle 28 pixels ahead of the centre, less 3, at Step + 40.
  pool.FreeAllShots();
  car.ReloadMs = 0;
  world.MovePass();
  ASSERT_TRUE(pool.Active[1]);
  const double cx = car.X + car.Width / 2.0;
  const double cy = car.Y + car.Height / 2.0;
  EXPECT_DOUBLE_EQ(pool.ShotX[1], cx - 3);
  EXPECT_NEAR(pool.ShotY[1], cy - 28 - 3 - (car.Step + 40) * 0.25 + car.Step * 0.125, 1e-9);
  EXPECT_EQ(pool.Kind[1], ShotKinds::kMachineGun);
  EXPECT_DOUBLE_EQ(pool.Speed[1], car.Step + 40);
}

TEST(CarWeapons, MountPointsSitAroundTheCentre) {
  RaceWorld world(Quiet());
  TMyCarSprite& car = world.Car();
  car.UpdateMountPoints();
  const double cx = car.X + car.Width / 2.0;
  const double cy = car.Y + car.Height / 2.0;
  const double u = 2 * std::numbers::pi / 256;
  EXPECT_DOUBLE_EQ(car.MgTopMuzzle.X, cx);
  EXPECT_DOUBLE_EQ(car.MgTopMuzzle.Y, cy - 28);
  EXPECT_DOUBLE_EQ(car.RocketTopLaunch.Y, cy + 6) << "behind the centre";
  EXPECT_DOUBLE_EQ(car.MgLeftMuzzle.X, cx - 30 * std::sin(35 * u));
  // The right gun's y offset is 37 steps, its x offset 35.
  EXPECT_DOUBLE_EQ(car.MgRightMuzzle.X, cx + 32 * std::sin(35 * u));
  EXPECT_DOUBLE_EQ(car.MgRightMuzzle.Y, cy - 32 * std::cos(37 * u));
  EXPECT_DOUBLE_EQ(car.RocketRightLaunch.Y, cy - 43 * std::cos(25 * u));
}

TEST(CarWeapons, SecondTurboOnlyRestartsItsClock) {
  RaceWorld world(Quiet());
  TMyCarSprite& car = world.Car();
  car.GiveBonus(BonusCodes::kTurbo);
  car.TurboMs = 3000;
  car.GiveBonus(BonusCodes::kTurbo);
  EXPECT_EQ(car.TurboMs, 10000);
  EXPECT_DOUBLE_EQ(car.MaxSpeed, kTurboMaxSpeed);
  EXPECT_DOUBLE_EQ(car.Acceleration, 0.06);
  EXPECT_DOUBLE_EQ(car.Deceleration, 0.08);
}

TEST(CarWeapons, TurboRunsOutAndTheCarCoastsBackToTopSpeed) {
  RaceWorld world(Quiet());
  TMyCarSprite& car = world.Car();
  car.GiveBonus(BonusCodes::kTurbo);
  car.Speed = kTurboMaxSpeed;
  world.ClearSounds();
  int frames = 0;
  while (car.HasTurbo && frames < 2000) {
    world.Step({.Accelerate = true});
    ++frames;
  }
  // 10000 ms at 12 ms a frame, then the frame that finds the clock at 0.
  EXPECT_NEAR(frames, 835, 2);
  EXPECT_EQ(world.SoundCount("BonusLost"), 1);
  EXPECT_DOUBLE_EQ(car.MaxSpeed, kCarMaxSpeed);
  EXPECT_DOUBLE_EQ(car.Acceleration, 0.03);
  EXPECT_EQ(car.SpeedMode, SpeedModes::kDownToTarget);
  const double before = car.Speed;
  world.Step();
  EXPECT_NEAR(car.Speed, before - 3 * 0.04, 1e-12);
  world.Run(60);
  EXPECT_EQ(car.SpeedMode, SpeedModes::kNone);
  EXPECT_LE(car.Speed, kCarMaxSpeed);
  EXPECT_GT(car.Speed, kCarMaxSpeed - 0.12);
}

TEST(CarWeapons, RepairNeverPassesAHundred) {
  RaceWorld world(Quiet());
  TMyCarSprite& car = world.Car();
  car.GiveBonus(BonusCodes::kTwinGuns);
  for (auto [before, after] : {std::pair{30, 80}, {70, 100}, {100, 100}}) {
    car.Energy = before;
    car.GiveBonus(BonusCodes::kRepair);
    EXPECT_EQ(car.Energy, after);
  }
  EXPECT_TRUE(car.HasTwinGuns);
}

TEST(CarWeapons, MegaBombWrecksEveryTrafficCarAndSparesTheRest) {
  RaceWorld world(Quiet());
  TMyCarSprite& car = world.Car();
  TWallSprite& same = *world.Place(26, 200, 50);    // 20 points
  TWallSprite& coming = *world.Place(37, 400, 50);  // 30 points
  TWallSprite& wrecked = *world.Place(28, 300, -100);
  wrecked.Wreck();
  TWallSprite& wall = *world.Place(13, 300, 100);
  TWallSprite& bonus = *world.Place(4, 500, 150);
  TWallSprite& stones = *world.Place(10, 200, 200);
  for (TWallSprite* o : {&same, &coming}) o->Weapon = TrafficWeapons::kNone;
  car.GiveBonus(BonusCodes::kMegaBomb);
  const int32_t score = world.Form().Score;
  world.Step({.Fire = true});
  world.Step({.Fire = true});
  EXPECT_TRUE(same.Wrecked);
  EXPECT_TRUE(coming.Wrecked);
  EXPECT_EQ(same.ExplosionClass, 3);
  EXPECT_EQ(world.Form().Score, score + 50);
  EXPECT_FALSE(wall.Wrecked);
  EXPECT_FALSE(bonus.Wrecked);
  EXPECT_FALSE(stones.Wrecked);
  EXPECT_TRUE(car.HasGun) << "the bomb is used up";
  EXPECT_FALSE(car.HasMegaBomb);
  EXPECT_EQ(car.MegaBombCooldownMs, 500);
}

TEST(CarWeapons, ReleasingFireStopsTheRattle) {
  RaceWorld world(Quiet());
  TMyCarSprite& car = world.Car();
  car.ApplyFiringControls(true);
  EXPECT_TRUE(car.Firing);
  car.ApplyFiringControls(false);
  EXPECT_FALSE(car.Firing);
  car.Finished = true;
  car.ApplyFiringControls(true);
  EXPECT_FALSE(car.Firing) << "no firing after the finish";
  car.Finished = false;
  car.GiveBonus(BonusCodes::kRocket);
  car.ApplyFiringControls(true);
  EXPECT_TRUE(car.Firing);
  EXPECT_EQ(world.SoundCount("Shot"), 1) << "rockets have no rattle";
}

TEST(CarWeapons, LosingEverythingLeavesTheBasicGun) {
  RaceWorld world(Quiet());
  TMyCarSprite& car = world.Car();
  car.GiveBonus(BonusCodes::kTurbo);
  car.GiveBonus(BonusCodes::kShield);
  car.GiveBonus(BonusCodes::kTwinRockets);
  world.ClearSounds();
  car.LoseAllBonuses();
  EXPECT_EQ(WeaponsOf(car), Only(BonusCodes::kGun));
  EXPECT_FALSE(car.HasTurbo);
  EXPECT_FALSE(car.HasShield);
  EXPECT_DOUBLE_EQ(car.Acceleration, 0.03);
  EXPECT_TRUE(world.Sounds().empty()) << "silently";
}

}  // namespace
}  // namespace vontra
