#pragma once
// A road object: bonus, obstacle, roadside decoration, traffic car or finish line. It comes down
// the road in one of the 30 road-object slots, probes the tree for what it touches and reacts.
#include <cstdint>
#include <string_view>

#include "app/named_states.h"
#include "sprites/image_sprite.h"

namespace vontra {

class RaceState;

class TWallSprite : public TImageSprite {
 public:
  // Builds the object of `kind` for road-object slot `slot` (1..30); the spawner claims and
  // frees the slot (PlaceRoadObject, FreeRoadObject).
  TWallSprite(RaceState& race, uint8_t kind, int32_t slot);

  void CollideWith(TSprite& other, bool& done) override;
  void DrawSelf() override;
  void MoveSelf(int32_t elapsedMs) override;

  void Wreck();
  void SetImageByName(std::string_view name);
  // One trigger of a traffic car's weapon.
  void FireWeapon();

  int32_t Slot = 0;
  uint8_t Kind = 0;
  bool Collected = false;
  int32_t ExplosionClass = 0;  // 1 small, 2 big, 3 bomb, 0 none
  int32_t AnimRate = 0;
  int32_t HitPoints = 0;
  bool Wrecked = false;
  bool ShotProof = false;
  bool RandomSideX = false;
  uint8_t Side = 0;
  bool Overlaps = false;
  bool Animated = false;
  int32_t ScoreValue = 0;
  bool IsCar = false;
  bool SameDirection = false;
  int32_t BurstShotsLeft = 0;
  int32_t ShotTimerMs = 0;
  int32_t BurstTimerMs = 0;
  TrafficWeapons Weapon = TrafficWeapons::kNone;
  double LateralSpeed = 0;
  double OwnSpeed = 0;
  int32_t LaneTimerMs = 0;

 private:
  void PlaceOnVerge();
  bool TouchesOtherObject() const;
  void ContactWithPlayer();
  // Traffic cars.
  void SetCarStartValues();
  void MoveCar();
  void DrawCarWeapon();
  void Ram();

  RaceState& race_;
};

}  // namespace vontra
