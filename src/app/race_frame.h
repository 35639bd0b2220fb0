#pragma once
// One race frame, and the parts of it that decide how a race ends: the clock with the time
// bonus after the finish and the time-up rule, and the finish line.
#include <cstdint>

namespace vontra {

class TMForm;

// The race clock of one frame: the time bonus once the car stands after the finish, the car
// rolling out and the life lost when the time is up, or the clock running down.
void RaceClockStep(TMForm& form);
// The car has passed the finish line: it brakes to a stop and the clock stops.
void FinishStep(TMForm& form);
// Something outside the game took the player away (the window minimised, the pad in use
// unplugged): a running race, or one showing its level banner, opens the pause window.
void PauseRaceFromOutside(TMForm& form);

}  // namespace vontra
