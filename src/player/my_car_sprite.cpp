#include "player/my_car_sprite.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "app/race_events.h"
#include "app/race_state.h"
#include "assets/picture_collection.h"
#include "player/explosion.h"
#include "player/lanes.h"
#include "player/race_context.h"

namespace vontra {
namespace {

struct CarModel {
  const char* Image;
  const char* TurboOverlay;
};

// The models differ only in their pictures.
constexpr CarModel kModels[5] = {
    {"Car1", "CarEngineRed"},  // unused index 0: a bad model number falls back to car 1
    {"Car1", "CarEngineRed"}, {"Car2", "CarEngineBlue"},
    {"Car3", "CarEngineRed"}, {"Car4", "CarEngineYellow"},
};
constexpr double kModelAcceleration = 0.03;
constexpr double kModelDeceleration = 0.04;

const CarModel& ModelOf(uint8_t model) {
  return kModels[model <= 4 ? model : 0];
}

constexpr double kAngleUnit = 2.0 * std::numbers::pi / 256.0;
constexpr double kRoadLeft = 167.0;
constexpr double kRoadRight = 620.0;

}  // namespace

TMyCarSprite::TMyCarSprite(RaceState& race, uint8_t model)
    : TImageSprite(SpriteRoot(race)), race_(race) {
  Model = model;
  TPictureCollectionItem* image = RaceImage(race, ModelOf(model).Image);
  AssignImage(image);
  FramePos = 0;
  FirstFrame = 0;
  FrameCount = image->PatternCount();
  LoopFrames = false;
  FrameSpeed = 0;

  ResetDrivingConstants();
  SpeedMode = SpeedModes::kNone;
  ModeTimerMs = 0;
  TargetSpeed = 0;

  X = PickLane8(race.Random, 0);
  Y = 555 - Height;
  SetZ(4);
  CentreX = X + Width / 2.0;
  CentreY = Y + Height / 2.0;

  SteerLeftInput = SteerRightInput = AccelerateInput = false;
  Firing = false;
  MegaBombHeld = false;
  MegaBombCooldownMs = 0;
  Energy = 100;
  HasGun = true;
  Ammo = 999;
  ReloadTimeMs = 100;
  ReloadMs = 100;
}

void TMyCarSprite::ResetDrivingConstants() {
  MaxSpeed = kCarMaxSpeed;
  Acceleration = kModelAcceleration;
  Deceleration = kModelDeceleration;
}

void TMyCarSprite::Accelerate() {
  if (!ControlsOn) return;
  if (State != CarStates::kFinished && Speed < MaxSpeed) Speed += Acceleration * race_.SpeedFactor;
}

void TMyCarSprite::Brake() {
  if (!ControlsOn) return;
  if (Speed < 0.1) {
    Speed = 0;
  } else {
    Speed -= Deceleration * race_.SpeedFactor;
  }
}

void TMyCarSprite::SteerLeft() {
  if (!ControlsOn) return;
  if (Speed != 0) Lateral = std::max(-Speed / 4.0, -4.0);
}

void TMyCarSprite::SteerRight() {
  if (!ControlsOn) return;
  if (Speed != 0) Lateral = std::min(Speed / 4.0, 4.0);
}

void TMyCarSprite::SpeedUp() {
  if (!ControlsOn) return;
  Speed += 3 * Acceleration * race_.SpeedFactor;
  if (Speed > MaxSpeed) Speed = MaxSpeed;
}

void TMyCarSprite::SlowDown() {
  if (!ControlsOn) return;
  if (3 * Deceleration > Speed) {
    Speed = 0;
  } else {
    Speed -= 3 * Deceleration * race_.SpeedFactor;
  }
}

void TMyCarSprite::AddScore(uint16_t points) {
  race_.Score += points;
}

void TMyCarSprite::TakeDamage(int32_t amount) {
  Energy -= HasShield ? amount / 2 + 1 : amount;
  if (Energy <= 0) DestroyCar();
}

void TMyCarSprite::DestroyCar() {
  if (State == CarStates::kDestroyed || State == CarStates::kFinished) return;
  LoseAllBonuses();
  RaceStopSound(race_, "WallExplosion");
  RacePlaySound(race_, "PlayerExplosion");
  Speed = Lateral = Step = 0;
  SpeedMode = SpeedModes::kNone;
  State = CarStates::kDestroyed;
  ControlsOn = false;
  if (TExplosion* blast = race_.BigExplosion.get()) {
    blast->X = X;
    blast->Y = CentreY - blast->Height / 2.0;
    blast->Visible = true;
    blast->FramePos = 0;
  }
  race_.LastBigExplosionPos = 0;
  Visible = false;
  DeathCycles = 2;
  if (race_.Lives > 0) race_.Lives -= 1;
  Shown = false;
  Energy = 100;
  StartShake(race_);
}

void TMyCarSprite::Respawn() {
  State = CarStates::kDriving;
  Energy = 100;
  Visible = true;
  ControlsOn = true;
  X = 177 + race_.Random.Next(432 - Width);
  Heading = 0;
  if (race_.BigExplosion) race_.BigExplosion->Visible = false;
}

void TMyCarSprite::MoveSelf(int32_t elapsedMs) {
  TImageSprite::MoveSelf(elapsedMs);
  UpdateMountPoints();

  TExplosion* blast = race_.BigExplosion.get();
  if (blast && blast->Visible) {
    if (blast->FramePos < race_.LastBigExplosionPos) DeathCycles -= 1;
    race_.LastBigExplosionPos = blast->FramePos;
  }

  // Firing clock: one volley per ReloadTimeMs while a fire key is held.
  if (MegaBombCooldownMs > 0) {
    MegaBombCooldownMs -= race_.FrameTimeMs;
  } else if (ReloadMs > 0) {
    ReloadMs -= race_.FrameTimeMs;
  } else {
    if (HasShootingWeapon() && Firing && State == CarStates::kDriving) Fire();
    if (HasMegaBomb && MegaBombHeld && State == CarStates::kDriving) {
      Fire();
      MegaBombCooldownMs = 500;
    }
  }

  if (HasTurbo) {
    if (TurboMs <= 0) {
      LoseBonus(BonusCodes::kTurbo, true);
    } else {
      TurboMs -= race_.FrameTimeMs;
    }
  }
  if (HasShield) {
    if (ShieldMs <= 0) {
      LoseBonus(BonusCodes::kShield, true);
    } else {
      ShieldMs -= race_.FrameTimeMs;
    }
  }
  if (!HasAnyWeapon()) GiveBonus(BonusCodes::kGun);

  if (AccelerateInput && SpeedMode != SpeedModes::kSpikes) Accelerate();

  if (State == CarStates::kDriving || (State == CarStates::kFinished && Speed > 0)) {
    if (SteerLeftInput && Heading <= 0) {
      SteerLeft();
    } else if (SteerRightInput && Heading >= 0) {
      SteerRight();
    } else if (SpeedMode != SpeedModes::kSkidRight && SpeedMode != SpeedModes::kSkidLeft) {
      Lateral = 0;
    }
  }

  if (State == CarStates::kDestroyed) {
    if (DeathCycles == 1 && blast) {
      // The second cycle of the explosion plays at the car's bottom edge.
      blast->Y = Y + (Height - blast->Height);
    } else if (DeathCycles == 0) {
      if (race_.Lives == 0) {
        if (blast) blast->Visible = false;
        // Past zero, so that the game ends once even if the car is moved again.
        DeathCycles = -1;
        race_.LoseGame();
      } else {
        Respawn();
      }
    }
  }

  if (State == CarStates::kDriving && !Shown) {
    Visible = true;
    if (blast) blast->Visible = false;
    Shown = true;
  }

  CentreX = X + Width / 2.0;
  CentreY = Y + Height / 2.0;
  Step = Speed * race_.SpeedFactor;
  X += Lateral * race_.SpeedFactor;
  const double s = std::sin(Heading * kAngleUnit) * Height / 3.0;
  if (X + Width >= kRoadRight - s) X = kRoadRight - s - Width;
  if (X <= kRoadLeft - s) X = kRoadLeft - s;
  Distance += Step * 0.25;
  race_.SpawnDistance += Step;

  if (SpeedMode == SpeedModes::kNone && Finished) {
    Speed = 0;
    ControlsOn = false;
    Stopped = true;
  }

  switch (SpeedMode) {
    case SpeedModes::kSpikes:
      ModeTimerMs -= race_.FrameTimeMs;
      if (Speed > TargetSpeed) {
        Brake();
      } else if (ModeTimerMs <= 0) {
        SpeedMode = SpeedModes::kNone;
      }
      break;
    case SpeedModes::kUpToTarget:
      if (Speed < TargetSpeed) {
        SpeedUp();
      } else {
        SpeedMode = SpeedModes::kNone;
      }
      break;
    case SpeedModes::kDownToTarget:
      if (Speed > TargetSpeed) {
        SlowDown();
      } else {
        SpeedMode = SpeedModes::kNone;
      }
      break;
    case SpeedModes::kSkidLeft:
    case SpeedModes::kSkidRight:
      if (Speed > TargetSpeed) {
        SlowDown();
      } else {
        Speed = TargetSpeed;
      }
      if (ModeTimerMs > 0) {
        ModeTimerMs -= race_.FrameTimeMs;
        if (SpeedMode == SpeedModes::kSkidLeft) {
          SteerLeft();
        } else {
          SteerRight();
        }
      }
      if (Speed == TargetSpeed && ModeTimerMs <= 0) SpeedMode = SpeedModes::kNone;
      break;
    default:
      break;
  }
}

void TMyCarSprite::DrawSelf() {
  Surface* surface = Engine() ? Engine()->DrawSurface : nullptr;
  if (!surface || !Image) return;
  const int32_t x0 = Trunc(CentreX);
  const int32_t y0 = Trunc(CentreY);
  Image->DrawRotated(*surface, x0, y0, Width, Height, 0, 0.5, 0.5, Heading);
  if (HasTurbo) {
    TPictureCollectionItem* overlay = RaceImage(race_, ModelOf(Model).TurboOverlay);
    overlay->DrawRotated(*surface, x0, y0, overlay->Width(), overlay->Height(), 0, 0.5, 0.0,
                         Heading);
    if (State == CarStates::kDriving && (AccelerateInput || Speed > kCarMaxSpeed)) {
      TPictureCollectionItem* flame = RaceImage(race_, "EngineFire");
      const int32_t frame = race_.EngineFireSprite ? Trunc(race_.EngineFireSprite->FramePos) : 0;
      const int32_t fx = Trunc(CentreX - 2);
      flame->DrawRotated(*surface, fx, y0, flame->Width(), flame->Height(), frame, 0.75, 0.03,
                         Heading);
      flame->DrawRotated(*surface, fx, y0, flame->Width(), flame->Height(), frame, 0.18, 0.03,
                         Heading);
    }
  }
  DrawWeaponOverlays(x0, y0);
  DrawEnergyGauge();
}

void TMyCarSprite::DrawEnergyGauge() {
  Surface* surface = Engine()->DrawSurface;
  const int32_t blocks = RoundHalfEven((100 - Energy) * 4.2 * 0.1);
  if (blocks <= 0) return;
  TPictureCollectionItem* cell = RaceImage(race_, "EnergyBarSmall");
  for (int32_t i = 1; i <= blocks; ++i) cell->Draw(*surface, 605 - 10 * i, 590, 0);
}

}  // namespace vontra
