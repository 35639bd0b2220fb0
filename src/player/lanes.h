#pragma once
#include <cstdint>

#include "app/game_random.h"

namespace vontra {

// Left edges of the lanes an object can be placed in, as offsets on the 800-pixel screen.
// One uniform draw picks the entry.
int32_t PickLane8(GameRandom& random, int32_t base);
int32_t PickLane4(GameRandom& random, int32_t base);

}  // namespace vontra
