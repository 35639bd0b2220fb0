#pragma once
// The two race events the player's car raises: its explosion shakes the screen, and losing the
// last life ends the game.
namespace vontra {

class TMForm;

// Ten moves of five pixels, one every 50 ms, stepped by the race frame.
void StartShake(TMForm& form);
// No life left: the game-over window opens.
void GameOver(TMForm& form);

}  // namespace vontra
