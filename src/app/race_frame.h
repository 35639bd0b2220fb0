#pragma once
// One race frame, and the race clock with the time bonus after the finish and the time-up rule.
// The finish line, the controls and the spawner's part are in app/race_step.h.
#include <cstdint>

namespace vontra {

class TMForm;

// The race clock of one frame: the time bonus once the car stands after the finish, the car
// rolling out and the life lost when the time is up, or the clock running down.
void RaceClockStep(TMForm& form);
// Something outside the game took the player away (the window minimised, the pad in use
// unplugged): a running race, or one showing its level banner, opens the pause window.
void PauseRaceFromOutside(TMForm& form);

}  // namespace vontra
