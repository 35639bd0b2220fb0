#pragma once
// Building and taking down the race screen of one game: the road, the instrument panels, the
// player's car with its flames, the shot pool and the shared explosions.
#include <cstdint>

namespace vontra {

class TMForm;

// Race clock of race n: 60 s for races 1 and 2, and 30 s more every second race.
int32_t LevelTimeMs(int32_t race);

// StartRace is declared with the other screen openers; this takes it all down again.
void LeaveRace(TMForm& form);

}  // namespace vontra
