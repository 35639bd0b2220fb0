#pragma once
// The message windows of the race screen: the level banner, pause, time over, the end-race
// question, name entry, the send question, sending and game over.
#include "app/named_states.h"

namespace vontra {

class TMForm;

// The window's frame during a race: the scene without its move pass, the needle, the window.
void RaceWindowFrame(TMForm& form, int lagCount);
// A click (or Enter, Y, N) answered by the open race window.
void RaceWindowClick(TMForm& form);
// The engine, and the gun if it was firing, sound again when a race window closes.
void ResumeRaceSounds(TMForm& form, WindowKinds closingKind);
// The game is over: name entry when the score enters the table, else back to the menu.
void EndGame(TMForm& form);

}  // namespace vontra
