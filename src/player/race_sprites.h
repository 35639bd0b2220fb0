#pragma once
// The race's own sprites: the player's car, the shot pool and the explosions whose clocks the
// car's overlays borrow. The race set-up and the tests' race world make and free them with these,
// so both build the same race in the same order (the order in which the sprite tree moves them).
#include <cstdint>

namespace vontra {

class RaceState;

// The car of `model` with its controls on, the shot pool, then the engine and gun flames.
void CreateCarSprites(RaceState& race, uint8_t model);
// The small explosion and the car's big one.
void CreateExplosions(RaceState& race);
// Frees every road object and the sprites made above.
void FreeRaceSprites(RaceState& race);

}  // namespace vontra
