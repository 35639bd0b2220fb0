#pragma once
// The start of one race of a game: the car's per-race reset, a full clock, an empty road, the
// spawner's weights for the race, and the level banner.
#include <cstdint>

namespace vontra {

class TMForm;

void StartLevel(TMForm& form, int32_t race);

}  // namespace vontra
