#pragma once
// The part of a race frame that comes after the move and draw passes and the clock: the finish
// line, the car's controls and the road's spawner. The race frame runs it on the game; the
// race-world test harness runs the same functions on a race of its own.

namespace vontra {

class RaceState;
class TMyCarSprite;

// What the player asks of the car in one frame.
struct RaceControls {
  bool Accelerate = false;
  bool Brake = false;
  bool Left = false;
  bool Right = false;
  bool Fire = false;
};

// The car has passed the finish line: it brakes to a stop, the guns fall silent and the clock
// stops.
void FinishStep(RaceState& race);
// The timers of bonuses the car does not carry are parked high; picking one up sets its time.
void ParkIdleBonusTimers(TMyCarSprite& car);
void ApplyRaceControls(TMyCarSprite& car, const RaceControls& controls);
// The car's part of the frame: the finish line, the idle bonus timers, then the controls.
void CarStep(RaceState& race, const RaceControls& controls);
// The road's part of the frame: new objects above the screen, finished ones purged.
void RoadStep(RaceState& race);

}  // namespace vontra
