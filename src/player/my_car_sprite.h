#pragma once
// The player's car: stays near the bottom of the screen and moves only sideways; its forward
// speed scrolls the road, feeds the race distance and the spawner, and is added to its shots.
#include <cstdint>

#include "app/named_states.h"
#include "sprites/image_sprite.h"

namespace vontra {

class RaceState;

struct TMountPoint {
  double X = 0;
  double Y = 0;
};

constexpr double kCarMaxSpeed = 125.0 / 7.0;
constexpr double kTurboMaxSpeed = 150.0 / 7.0;

class TMyCarSprite : public TImageSprite {
 public:
  TMyCarSprite(RaceState& race, uint8_t model);

  void MoveSelf(int32_t elapsedMs) override;
  void DrawSelf() override;

  // Driving; each does nothing while ControlsOn is false.
  void Accelerate();
  void Brake();
  void SteerLeft();
  void SteerRight();
  void SpeedUp();
  void SlowDown();

  void AddScore(uint16_t points);
  void TakeDamage(int32_t amount);
  void DestroyCar();
  void Respawn();
  // The model's driving constants (race start, losing the turbo).
  void ResetDrivingConstants();

  // Weapons and bonuses.
  void GiveBonus(BonusCodes code);
  void LoseBonus(BonusCodes code, bool withSound);
  void LoseAllBonuses();
  void Fire();
  void MegaBombBlast();
  // Applied by the race frame every frame with whether a fire key is held.
  void ApplyFiringControls(bool fireHeld);
  void UpdateMountPoints();
  bool HasAnyWeapon() const {
    return HasGun || HasTwinGuns || HasRocket || HasTwinRockets || HasMegaBomb;
  }
  bool HasShootingWeapon() const { return HasGun || HasTwinGuns || HasRocket || HasTwinRockets; }

  uint8_t Model = 1;
  CarStates State = CarStates::kDriving;
  bool Shown = false;
  int32_t DeathCycles = 0;
  bool FinishSpawned = false;
  bool Finished = false;
  bool Stopped = false;
  bool ControlsOn = false;
  double CentreX = 0;
  double CentreY = 0;
  int32_t Heading = 0;
  double Speed = 0;
  double Lateral = 0;
  double Step = 0;
  double Distance = 0;
  TMountPoint MgTopMuzzle, MgLeftMuzzle, MgRightMuzzle;
  TMountPoint RocketTopLaunch, RocketLeftLaunch, RocketRightLaunch;
  bool SteerLeftInput = false;
  bool SteerRightInput = false;
  bool AccelerateInput = false;
  bool Firing = false;
  bool MegaBombHeld = false;
  bool HasGun = false;
  bool HasTurbo = false;
  bool HasShield = false;
  bool HasTwinGuns = false;
  bool HasRocket = false;
  bool HasTwinRockets = false;
  bool HasMegaBomb = false;
  int32_t TurboMs = 0;
  int32_t ShieldMs = 0;
  int32_t Ammo = 0;
  int32_t Energy = 0;
  int32_t ReloadMs = 0;
  int32_t ReloadTimeMs = 0;
  int32_t MegaBombCooldownMs = 0;
  double Acceleration = 0;
  double Deceleration = 0;
  double MaxSpeed = 0;
  SpeedModes SpeedMode = SpeedModes::kNone;
  double ModeTimerMs = 0;
  double TargetSpeed = 0;

 private:
  void GiveBasicGun();
  void DrawWeaponOverlays(int32_t x0, int32_t y0);
  void DrawEnergyGauge();

  RaceState& race_;
};

}  // namespace vontra
