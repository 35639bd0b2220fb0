#include "player/race_sprites.h"

#include <cmath>
#include <memory>

#include "app/race_state.h"
#include "player/bullets.h"
#include "player/explosion.h"
#include "player/my_car_sprite.h"
#include "road/spawner.h"

namespace vontra {
namespace {

std::unique_ptr<TExplosion> NewExplosion(RaceState& race, const char* image, double x, double y,
                                         int32_t z, int32_t rate) {
  auto sprite = std::make_unique<TExplosion>(race, image, x, y);
  sprite->SetZ(z);
  sprite->Rate = rate;
  return sprite;
}

}  // namespace

void CreateCarSprites(RaceState& race, uint8_t model) {
  race.PlayerCar = std::make_unique<TMyCarSprite>(race, model);
  TMyCarSprite& car = *race.PlayerCar;
  car.ControlsOn = true;
  race.PlayerBullets = std::make_unique<TBullets>(race);
  // The flames only lend their animation clocks to the car's overlays; they stay hidden.
  race.EngineFireSprite =
      NewExplosion(race, "EngineFire", std::trunc(car.X), std::trunc(car.Y), 6, 50);
  race.EngineFireSprite->X = car.CentreX - race.EngineFireSprite->Width / 2.0;
  race.EngineFireSprite->Y = car.CentreY + 41;
  race.GunFireSprite = NewExplosion(race, "GunFire", std::trunc(car.X), std::trunc(car.Y), 7, 55);
  race.GunFireSprite->X = car.X;
  race.GunFireSprite->Y = car.Y;
}

void CreateExplosions(RaceState& race) {
  race.MicroExplosion = std::make_unique<TExplosion>(race, "ExplosionMicro", 400, 300);
  race.BigExplosion = NewExplosion(race, "ExplosionBig", 400, 300, 6, 25);
}

void FreeRaceSprites(RaceState& race) {
  FreeAllRoadObjects(race);
  race.PlayerCar.reset();
  race.PlayerBullets.reset();
  race.EngineFireSprite.reset();
  race.GunFireSprite.reset();
  race.MicroExplosion.reset();
  race.BigExplosion.reset();
}

}  // namespace vontra
