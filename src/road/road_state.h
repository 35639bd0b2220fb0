#pragma once
#include <cstdint>

namespace vontra {

class TWallSprite;

constexpr int kRoadObjectSlots = 30;
constexpr int kSpawnIndices = 56;

// The road world's share of the game state: the road-object slots and the spawner.
// Slots and spawn indices are numbered from 1; entry 0 of each array is unused, so that a
// slot number can be stored in a projectile's target (0 there means "flying").
struct RoadState {
  TWallSprite* RoadObjects[kRoadObjectSlots + 1] = {};
  bool RoadObjectUsed[kRoadObjectSlots + 1] = {};

  int32_t SpawnCount = 0;
  double SpawnDistance = 0;
  double SpawnWeights[kSpawnIndices + 1] = {};
};

}  // namespace vontra
