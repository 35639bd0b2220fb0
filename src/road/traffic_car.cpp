// The traffic cars among the road objects: own speed, lane changes, firing in bursts, roof
// weapons and ramming.
#include <string_view>

#include "app/race_state.h"
#include "assets/picture_collection.h"
#include "player/bullets.h"
#include "player/lanes.h"
#include "player/my_car_sprite.h"
#include "player/race_context.h"
#include "road/wall_sprite.h"

namespace vontra {
namespace {

constexpr double kRoadLeft = 167;
constexpr double kRoadRight = 620;
constexpr double kLaneChangeSpeed = 15.0 / 14.0;
constexpr int32_t kLaneChangeMs = 750;
constexpr int32_t kBurstPeriodMs = 3000;
constexpr int32_t kShotPeriodMs = 400;

// "Car6" and "Car12", in both directions, never carry a weapon.
bool IsUnarmedModel(uint8_t kind) {
  return kind == ToInt(RoadObjectKinds::kCar6) || kind == ToInt(RoadObjectKinds::kCar6Inv) ||
         kind == ToInt(RoadObjectKinds::kCar12) || kind == ToInt(RoadObjectKinds::kCar12Inv);
}

}  // namespace

void TWallSprite::SetCarStartValues() {
  GameRandom& random = race_.Random;
  IsCar = true;
  ShotProof = false;
  X = PickLane8(random, 1);
  if (SameDirection) {
    OwnSpeed = -3.0 * (15 + random.Next(15)) / 14.0;
  } else {
    OwnSpeed = 3.0 * (10 + random.Next(20)) / 14.0;
  }
  ExplosionClass = 2;
  LaneTimerMs = 0;
  SetZ(3);
  Weapon = IsUnarmedModel(Kind) ? TrafficWeapons::kNone
                                : static_cast<TrafficWeapons>(random.Next(kTrafficWeaponCount));
}

void TWallSprite::MoveCar() {
  const double speedFactor = race_.SpeedFactor;
  const double step = race_.PlayerCar ? race_.PlayerCar->Step : 0.0;
  X += LateralSpeed * speedFactor * 1.0;
  Y += (OwnSpeed * speedFactor + step) * 1.0 * 0.5 * 0.5;
  if (!Wrecked && LaneTimerMs == 0) {
    const int32_t r = race_.Random.Next(150);
    if (r == 1) {
      LateralSpeed = kLaneChangeSpeed;
      LaneTimerMs = kLaneChangeMs;
    } else if (r == 2) {
      LateralSpeed = -kLaneChangeSpeed;
      LaneTimerMs = kLaneChangeMs;
    }
  }
  if (LaneTimerMs > 0) {
    LaneTimerMs -= race_.FrameTimeMs;
  } else {
    LateralSpeed = 0;
    LaneTimerMs = 0;
  }
  if (X <= kRoadLeft) {
    X = kRoadLeft;
    LateralSpeed = 0;
    LaneTimerMs = 0;
  }
  if (X + Width >= kRoadRight) {
    X = kRoadRight - Width;
    LateralSpeed = 0;
    LaneTimerMs = 0;
  }
  if (Wrecked) return;
  if (BurstTimerMs > 0) {
    BurstTimerMs -= race_.FrameTimeMs;
  } else {
    BurstTimerMs = kBurstPeriodMs;
    BurstShotsLeft = 2 + race_.Random.Next(3);
  }
  if (BurstShotsLeft > 0) {
    if (ShotTimerMs > 0) {
      ShotTimerMs -= race_.FrameTimeMs;
    } else {
      ShotTimerMs = kShotPeriodMs;
      FireWeapon();
      BurstShotsLeft -= 1;
    }
  }
}

void TWallSprite::FireWeapon() {
  TBullets* pool = race_.PlayerBullets.get();
  if (!pool || Weapon == TrafficWeapons::kNone) return;
  const double w = Width;
  const double h = Height;
  const double speed = SameDirection ? OwnSpeed + 40 : OwnSpeed - 40;
  auto shot = [&](ShotKinds kind, int32_t x, int32_t y) {
    pool->AddShot(0, kind, x, y, speed, ShotOwners::kTraffic);
  };
  switch (Weapon) {
    case TrafficWeapons::kMachineGun:
      shot(ShotKinds::kMachineGun, Trunc(w / 2 + X - 7) + 4,
           SameDirection ? Trunc(h / 2 + Y - 18) : Trunc(h / 2 + Y + 12));
      break;
    case TrafficWeapons::kTwinGuns:
      if (SameDirection) {
        const int32_t y = Trunc(h + Y - 30 - 40);
        shot(ShotKinds::kShell, Trunc(w + X - 11) + 4, y);
        shot(ShotKinds::kShell, Trunc(X - 3) + 4, y);
      } else {
        const int32_t y = Trunc(h + Y - 30 + 14);
        shot(ShotKinds::kShell, Trunc(w + X - 9) + 4, y);
        shot(ShotKinds::kShell, Trunc(X - 5) + 4, y);
      }
      break;
    case TrafficWeapons::kRocket:
      if (SameDirection) {
        shot(ShotKinds::kRocket, Trunc(w / 2 + X - 6) + 4, Trunc(h / 2 + Y - 11 - 26));
      } else {
        shot(ShotKinds::kRocket, Trunc(w / 2 + X - 8) + 4, Trunc(h / 2 + Y - 11 + 28));
      }
      break;
    case TrafficWeapons::kTwinRockets: {
      const int32_t y = SameDirection ? Trunc(Y + 5 - 26) : Trunc(Y + 5 + 60);
      shot(ShotKinds::kRocket, Trunc(X) + 4, y);
      shot(ShotKinds::kRocket, Trunc(w + X - 11) + 4, y);
      break;
    }
    default:
      break;
  }
}

void TWallSprite::DrawCarWeapon() {
  Surface& surface = *Engine()->DrawSurface;
  auto draw = [&](std::string_view name, double x, double y) {
    RaceImage(race_, name)->Draw(surface, RoundHalfEven(x), RoundHalfEven(y), 0);
  };
  const double w = Width;
  const double h = Height;
  const double halfW = RoundHalfEven(w / 2);
  const double halfH = RoundHalfEven(h / 2);
  switch (Weapon) {
    case TrafficWeapons::kMachineGun:
      draw(SameDirection ? "MG_Top" : "MG_Top_I", halfW + X - 6, halfH + Y - 18);
      break;
    case TrafficWeapons::kTwinGuns:
      if (SameDirection) {
        draw("MG_Left", X, Y + 15);
        draw("MG_Right", w + X - 9, Y + 15);
      } else {
        draw("MG_Left_I", w + X - 7, h + Y - 55);
        draw("MG_Right_I", X - 2, h + Y - 55);
      }
      break;
    case TrafficWeapons::kRocket:
      draw(SameDirection ? "R_Top" : "R_Top_I", halfW + X - 6, halfH + Y - 11);
      break;
    case TrafficWeapons::kTwinRockets:
      if (SameDirection) {
        draw("R_Left", X, Y + 5);
        draw("R_Right", w + X - 11, Y + 5);
      } else {
        draw("R_Left_I", w + X - 11, h + Y - 29);
        draw("R_Right_I", X, h + Y - 29);
      }
      break;
    default:
      break;
  }
}

void TWallSprite::Ram() {
  TMyCarSprite& car = *race_.PlayerCar;
  if (Wrecked || car.State != CarStates::kDriving) return;
  const int32_t e = car.Energy;
  const int32_t h = HitPoints;
  if (e < h) {
    // The traffic car survives, weakened by what the player's car had left.
    HitPoints = h - e;
    car.TakeDamage(h - e);
  } else if (e > h) {
    Wreck();
    car.TakeDamage(h);
    car.SpeedMode = SpeedModes::kDownToTarget;
    car.TargetSpeed = car.Speed / 2;
  } else {
    Wreck();
    car.TakeDamage(h);
  }
}

}  // namespace vontra
