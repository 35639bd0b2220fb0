#pragma once
// The main menu: six buttons sliding in from the right under two panels, a caption picture
// naming the selected button, and the hub from which every sub-screen opens.
namespace vontra {

class TMForm;

// The menu's own part of a frame's intro: 1 panels sliding in, 3 buttons sliding in, 0 done.
inline constexpr int kIntroPanels = 1;
inline constexpr int kIntroButtons = 3;
inline constexpr int kIntroDone = 0;

// Closes whichever sub-screen is open (options, high scores, help, car choice).
void CloseSubScreen(TMForm& form);

// Frees the six buttons, the caption and the panels (a race is about to start).
void FreeMainMenu(TMForm& form);

}  // namespace vontra
