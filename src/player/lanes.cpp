#include "player/lanes.h"

namespace vontra {

int32_t PickLane8(GameRandom& random, int32_t base) {
  static constexpr int32_t kLanes[8] = {171, 232, 284, 342, 394, 452, 505, 561};
  return base + kLanes[random.Next(8)];
}

int32_t PickLane4(GameRandom& random, int32_t base) {
  static constexpr int32_t kLanes[4] = {171, 284, 394, 505};
  return base + kLanes[random.Next(4)];
}

}  // namespace vontra
