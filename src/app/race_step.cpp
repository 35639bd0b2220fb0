#include "app/race_step.h"

#include "app/race_state.h"
#include "player/my_car_sprite.h"
#include "player/race_context.h"
#include "road/spawner.h"

namespace vontra {
namespace {

constexpr int32_t kIdleBonusMs = 100000;

}  // namespace

void FinishStep(RaceState& race) {
  TMyCarSprite& car = *race.PlayerCar;
  if (!(car.Y < race.FinishY) || car.Finished) return;
  RacePlaySound(race, "Finish");
  car.State = CarStates::kFinished;
  car.SpeedMode = SpeedModes::kDownToTarget;
  car.TargetSpeed = 0;
  car.Finished = true;
  car.Firing = false;
  RaceStopSound(race, "Shot");
}

void ParkIdleBonusTimers(TMyCarSprite& car) {
  if (!car.HasTurbo) car.TurboMs = kIdleBonusMs;
  if (!car.HasShield) car.ShieldMs = kIdleBonusMs;
}

void ApplyRaceControls(TMyCarSprite& car, const RaceControls& controls) {
  car.AccelerateInput = controls.Accelerate;
  if (controls.Brake) car.Brake();
  car.SteerLeftInput = controls.Left;
  car.SteerRightInput = controls.Right;
  car.ApplyFiringControls(controls.Fire);
}

void CarStep(RaceState& race, const RaceControls& controls) {
  TMyCarSprite& car = *race.PlayerCar;
  FinishStep(race);
  ParkIdleBonusTimers(car);
  ApplyRaceControls(car, controls);
}

void RoadStep(RaceState& race) {
  SpawnerTick(race);
  PurgeRoadObjects(race);
}

}  // namespace vontra
