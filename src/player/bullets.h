#pragma once
// Every shot of a race, the player's and the traffic's, in one sprite: 30 fixed slots that fly
// straight up or down and, on a hit, turn into a small explosion stuck to what they hit.
#include <cstdint>

#include "app/named_states.h"
#include "sprites/image_sprite.h"

namespace vontra {

class RaceState;

constexpr int kShotSlots = 30;

// Damage of a hit by shot kind.
int32_t ShotDamage(ShotKinds kind);

class TBullets : public TImageSprite {
 public:
  explicit TBullets(RaceState& race);

  // Takes the lowest free slot; a shot with every slot in use is dropped.
  void AddShot(int32_t angle, ShotKinds kind, double x, double y, double speed, ShotOwners owner);
  void AttachHit(int32_t slot, int32_t target, int32_t dx, int32_t dy);
  void FreeShot(int32_t slot) { Active[slot] = false; }
  void FreeAllShots();
  int32_t ActiveCount() const;

  void MoveSelf(int32_t elapsedMs) override;
  void DrawSelf() override;

  // Slots 1..30; entry 0 is unused.
  double ShotX[kShotSlots + 1] = {};
  double ShotY[kShotSlots + 1] = {};
  ShotKinds Kind[kShotSlots + 1] = {};
  double Speed[kShotSlots + 1] = {};
  int32_t Angle[kShotSlots + 1] = {};
  bool Active[kShotSlots + 1] = {};
  ShotOwners Owner[kShotSlots + 1] = {};
  // 0 flying; -1 exploding on the player's car; j exploding on road object slot j.
  int32_t Target[kShotSlots + 1] = {};
  double Blast[kShotSlots + 1] = {};

 private:
  void HitPlayerCar(int32_t i);
  void HitRoadObjects(int32_t i);

  RaceState& race_;
};

}  // namespace vontra
