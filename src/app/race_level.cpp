#include "app/race_level.h"

#include "app/mform.h"
#include "app/race_hud.h"
#include "app/race_setup.h"
#include "frontend/front_end.h"
#include "player/bullets.h"
#include "player/my_car_sprite.h"
#include "road/spawner.h"

namespace vontra {

void StartLevel(TMForm& form, int32_t race) {
  TMyCarSprite& car = *form.PlayerCar;
  car.FinishSpawned = car.Finished = car.Stopped = false;
  // Only the very first race since start-up finds Level 0; a new car carries no bonus anyway.
  if (form.Level != 0) car.LoseAllBonuses();
  form.Level = race;
  car.State = CarStates::kDriving;
  form.SpawnDistance = 0;
  form.SpawnCount = 0;
  form.TimeLeftMs = LevelTimeMs(race);
  car.ResetDrivingConstants();
  car.Heading = 0;
  car.Speed = car.Distance = car.TargetSpeed = car.ModeTimerMs = 0;
  car.SpeedMode = SpeedModes::kNone;
  car.ControlsOn = true;
  car.SetZ(4);
  if (form.ProgressCarSprite) form.ProgressCarSprite->Y = kProgressStartY;
  FreeAllRoadObjects(form);
  form.FinishY = -100;
  ComputeSpawnWeights(form, race);
  if (form.PlayerBullets) form.PlayerBullets->FreeAllShots();
  if (form.Routines.OpenMessageWindow)
    form.Routines.OpenMessageWindow(form, WindowKinds::kLevelBanner);
}

}  // namespace vontra
