#pragma once
#include <cstdint>
#include <memory>

namespace vontra {

class TWallSprite;

constexpr int kRoadObjectSlots = 30;
constexpr int kSpawnIndices = 56;

// The road world's share of the game state: the road-object slots and the spawner.
// Slots and spawn indices are numbered from 1; entry 0 of each array is unused, so that a
// slot number can be stored in a projectile's target (0 there means "flying").
struct RoadState {
  // The slots own their objects: a slot is in use exactly while it holds one. Only
  // PlaceRoadObject fills a slot and only FreeRoadObject empties it.
  std::unique_ptr<TWallSprite> RoadObjects[kRoadObjectSlots + 1];

  int32_t SpawnCount = 0;
  double SpawnDistance = 0;
  double SpawnWeights[kSpawnIndices + 1] = {};
};

}  // namespace vontra
