#pragma once
// The high-score table beside the main menu, with buttons to clear it and to open the world
// table in the browser.
namespace vontra {

class TMForm;

void OpenHighScores(TMForm& form);
void CloseHighScores(TMForm& form);
void DrawHighScores(TMForm& form);

}  // namespace vontra
