#pragma once
#include <cstdint>

namespace vontra {

class TWallSprite;

constexpr int kRoadObjectSlots = 30;

// The road world's share of the game state: the road-object slots and the spawner.
struct RoadState {
  TWallSprite* RoadObjects[kRoadObjectSlots] = {};
  bool RoadObjectUsed[kRoadObjectSlots] = {};
};

}  // namespace vontra
