#pragma once
// The table of road-object kinds 0..58: picture, group, where it stands and how it reacts.
#include <cstdint>

#include "app/named_states.h"

namespace vontra {

enum class WallGroup : uint8_t { kNone, kBonus, kObstacle, kRoadside, kCar, kFinish };

// How the creation X is found.
enum class WallPlacement : uint8_t {
  kNone,
  kLane8,  // PickLane8(LaneBase)
  kLane4,  // PickLane4(LaneBase)
  kVerge,  // a verge (Side 0 either, 2 left, 3 right)
  kFixed,  // FixedX
};

struct WallKindInfo {
  const char* Image;  // empty for the unused kinds 24 and 25
  WallGroup Group;
  WallPlacement Placement;
  int32_t LaneBase;  // kLane8 / kLane4
  int32_t FixedX;    // kFixed
  uint8_t Side;      // kVerge: 0 either verge, 2 left, 3 right
  bool ShotProof;
  int32_t ExplosionClass;
  BonusCodes Bonus;   // handed to the car, bonuses only
  int32_t HitPoints;  // traffic cars only
  bool SameDirection;
};

constexpr int kWallKinds = kRoadObjectKindCount;

const WallKindInfo& WallKind(uint8_t kind);

}  // namespace vontra
