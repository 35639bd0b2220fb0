#pragma once
// The race events around the player's car: its explosion shakes the screen, and losing the
// last life ends the game.
namespace vontra {

class TMForm;
class RaceState;

// Ten moves of five pixels, one every 50 ms, stepped by the race frame.
void StartShake(RaceState& race);
// One step of the shake: every sprite but the background jumps by the offsets, which then turn
// round; the background draws itself shifted by them and so shakes the other way.
void UpdateShake(TMForm& form);
// No life left: the game-over window opens.
void GameOver(TMForm& form);

}  // namespace vontra
