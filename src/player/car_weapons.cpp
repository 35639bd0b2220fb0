// The car's weapons and bonuses: what it carries, how it fires, where its shots leave it and how
// its guns and muzzle flashes are drawn over it.
#include <algorithm>
#include <cmath>
#include <numbers>

#include "app/race_state.h"
#include "assets/picture_collection.h"
#include "player/bullets.h"
#include "player/explosion.h"
#include "player/my_car_sprite.h"
#include "player/race_context.h"
#include "road/wall_sprite.h"

namespace vontra {
namespace {

constexpr double kAngleUnit = 2.0 * std::numbers::pi / 256.0;

TMountPoint MountPoint(double cx, double cy, int32_t heading, double d, int32_t ax, int32_t ay) {
  return {cx + d * std::sin((heading + ax) * kAngleUnit),
          cy - d * std::cos((heading + ay) * kAngleUnit)};
}

}  // namespace

void TMyCarSprite::UpdateMountPoints() {
  const double cx = X + Width / 2.0;
  const double cy = Y + Height / 2.0;
  MgTopMuzzle = MountPoint(cx, cy, Heading, 28, 0, 0);
  MgLeftMuzzle = MountPoint(cx, cy, Heading, 30, -35, -35);
  MgRightMuzzle = MountPoint(cx, cy, Heading, 32, 35, 37);
  RocketTopLaunch = MountPoint(cx, cy, Heading, -6, 0, 0);
  RocketLeftLaunch = MountPoint(cx, cy, Heading, 41, -25, -25);
  RocketRightLaunch = MountPoint(cx, cy, Heading, 43, 25, 25);
}

void TMyCarSprite::GiveBasicGun() {
  HasGun = true;
  Ammo = 999;
  ReloadTimeMs = 100;
  ReloadMs = 100;
}

void TMyCarSprite::GiveBonus(BonusCodes code) {
  RacePlaySound(race_, "Bonus");
  if (code != BonusCodes::kTurbo && code != BonusCodes::kShield && code != BonusCodes::kRepair) {
    HasGun = HasTwinGuns = HasRocket = HasTwinRockets = HasMegaBomb = false;
  }
  switch (code) {
    case BonusCodes::kGun:
      GiveBasicGun();
      break;
    case BonusCodes::kTurbo:
      TurboMs = 10000;
      if (!HasTurbo) {
        MaxSpeed = kTurboMaxSpeed;
        Acceleration *= 2;
        Deceleration *= 2;
      }
      HasTurbo = true;
      break;
    case BonusCodes::kShield:
      HasShield = true;
      ShieldMs = 10000;
      break;
    case BonusCodes::kTwinGuns:
      HasTwinGuns = true;
      Ammo = 30;
      ReloadTimeMs = ReloadMs = 100;
      break;
    case BonusCodes::kRocket:
      HasRocket = true;
      Ammo = 20;
      ReloadTimeMs = ReloadMs = 200;
      break;
    case BonusCodes::kTwinRockets:
      HasTwinRockets = true;
      Ammo = 20;
      ReloadTimeMs = ReloadMs = 200;
      break;
    case BonusCodes::kMegaBomb:
      HasMegaBomb = true;
      Ammo = 1;
      ReloadTimeMs = 1000;
      ReloadMs = 0;
      MegaBombCooldownMs = 0;
      break;
    case BonusCodes::kRepair:
      Energy = std::min(Energy + 50, 100);
      break;
    default:
      break;
  }
}

void TMyCarSprite::LoseBonus(BonusCodes code, bool withSound) {
  if (withSound) RacePlaySound(race_, "BonusLost");
  switch (code) {
    case BonusCodes::kGun:
      HasGun = false;
      Firing = false;
      RaceStopSound(race_, "Shot");
      Ammo = 0;
      break;
    case BonusCodes::kTurbo:
      HasTurbo = false;
      MaxSpeed = kCarMaxSpeed;
      Acceleration /= 2;
      Deceleration /= 2;
      if (Speed > kCarMaxSpeed) {
        SpeedMode = SpeedModes::kDownToTarget;
        TargetSpeed = kCarMaxSpeed;
      }
      break;
    case BonusCodes::kShield:
      HasShield = false;
      break;
    case BonusCodes::kTwinGuns:
      HasTwinGuns = false;
      Firing = false;
      RaceStopSound(race_, "Shot");
      Ammo = 0;
      break;
    case BonusCodes::kRocket:
      HasRocket = false;
      Firing = false;
      Ammo = 0;
      break;
    case BonusCodes::kTwinRockets:
      HasTwinRockets = false;
      Firing = false;
      Ammo = 0;
      break;
    case BonusCodes::kMegaBomb:
      HasMegaBomb = false;
      Firing = false;
      RaceStopSound(race_, "Shot");
      Ammo = 0;
      break;
    default:
      break;
  }
  if (!HasTwinGuns && !HasRocket && !HasTwinRockets && !HasMegaBomb) GiveBasicGun();
}

void TMyCarSprite::LoseAllBonuses() {
  if (HasTurbo) LoseBonus(BonusCodes::kTurbo, false);
  if (HasShield) LoseBonus(BonusCodes::kShield, false);
  if (HasTwinGuns) LoseBonus(BonusCodes::kTwinGuns, false);
  if (HasRocket) LoseBonus(BonusCodes::kRocket, false);
  if (HasTwinRockets) LoseBonus(BonusCodes::kTwinRockets, false);
  if (HasMegaBomb) LoseBonus(BonusCodes::kMegaBomb, false);
}

void TMyCarSprite::Fire() {
  ReloadMs = ReloadTimeMs;
  TBullets* pool = race_.PlayerBullets.get();
  const double speed = Step + 40;
  auto shoot = [&](ShotKinds kind, const TMountPoint& p) {
    if (pool) pool->AddShot(Heading, kind, p.X - 3, p.Y - 3, speed, ShotOwners::kPlayer);
  };
  if (HasGun) shoot(ShotKinds::kMachineGun, MgTopMuzzle);
  if (HasTwinGuns) {
    shoot(ShotKinds::kShell, MgLeftMuzzle);
    shoot(ShotKinds::kShell, MgRightMuzzle);
  }
  if (HasRocket) {
    RacePlaySound(race_, "ShotR");
    shoot(ShotKinds::kRocket, RocketTopLaunch);
  }
  if (HasTwinRockets) {
    RacePlaySound(race_, "ShotR");
    shoot(ShotKinds::kRocket, RocketLeftLaunch);
    shoot(ShotKinds::kRocket, RocketRightLaunch);
  }
  if (HasMegaBomb) MegaBombBlast();
  if (!HasGun) Ammo -= 1;
  if (Ammo <= 0) {
    if (HasTwinGuns) LoseBonus(BonusCodes::kTwinGuns, false);
    if (HasRocket) LoseBonus(BonusCodes::kRocket, false);
    if (HasTwinRockets) LoseBonus(BonusCodes::kTwinRockets, false);
    if (HasMegaBomb) LoseBonus(BonusCodes::kMegaBomb, false);
  }
}

void TMyCarSprite::MegaBombBlast() {
  for (int s = 1; s <= kRoadObjectSlots; ++s) {
    TWallSprite* o = race_.RoadObjects[s].get();
    if (!o || !o->IsCar || o->Wrecked) continue;
    AddScore(static_cast<uint16_t>(o->ScoreValue));
    o->ExplosionClass = 3;
    o->Wreck();
  }
}

void TMyCarSprite::ApplyFiringControls(bool fireHeld) {
  if (fireHeld) {
    if (HasMegaBomb) MegaBombHeld = true;
    if (MegaBombCooldownMs <= 0 && State == CarStates::kDriving && !Finished && !Firing &&
        HasShootingWeapon()) {
      if (HasGun || HasTwinGuns) RacePlaySound(race_, "Shot");
      Firing = true;
    }
  } else {
    MegaBombHeld = false;
    if (Firing) RaceStopSound(race_, "Shot");
    Firing = false;
  }
}

void TMyCarSprite::DrawWeaponOverlays(int32_t x0, int32_t y0) {
  Surface& surface = *Engine()->DrawSurface;
  auto draw = [&](const char* name, int32_t x, int32_t frame, double px, double py, int32_t angle) {
    TPictureCollectionItem* item = RaceImage(race_, name);
    item->DrawRotated(surface, x, y0, item->Width(), item->Height(), frame, px, py, angle);
  };
  // The launchers are always drawn one step off the car's heading.
  const int32_t launcherAngle = Heading == 0 ? -1 : Heading;
  if (HasGun) draw("MG_Top", x0, 0, 0.5, 0.7, Heading);
  if (HasTwinGuns) {
    draw("MG_Left", x0, 0, 3, 0.5, Heading);
    draw("MG_Right", x0, 0, -2.18, 0.5, Heading);
  }
  if (HasRocket) draw("R_Top", x0, 0, 0.5, -0.4, launcherAngle);
  if (HasTwinRockets) {
    draw("R_Left", x0, 0, 2.5, 1.4, launcherAngle);
    draw("R_Right", x0, 0, -1.55, 1.4, launcherAngle);
  }
  if (!Firing) return;
  const int32_t fx = Trunc(CentreX - 1);
  const int32_t frame = race_.GunFireSprite ? Trunc(race_.GunFireSprite->FramePos) : 0;
  if (HasGun) draw("GunFire", fx, frame, 0.49, 0.85, Heading);
  if (HasTwinGuns) {
    draw("GunFire", fx, frame, 0.84, 0.7, Heading);
    draw("GunFire", fx, frame, 0.12, 0.7, Heading);
  }
  if (HasRocket) draw("GunFire", fx, frame, 0.49, 0.3, Heading);
  if (HasTwinRockets) {
    draw("GunFire", fx, frame, 0.85, 0.95, Heading);
    draw("GunFire", fx, frame, 0.12, 0.95, Heading);
  }
}

}  // namespace vontra
