#pragma once
#include <cstdint>

namespace vontra {

class TMForm;

// Derives this frame's Pressed/Held flags of Pause, Escape, Yes and No from the input states.
void UpdateInputFlags(TMForm& form);

void FormKeyDown(TMForm& form, int key, bool alt);
void FormKeyUp(TMForm& form, int key);
// A typed character (Windows-1251); Enter, Escape and Backspace arrive as 13, 27 and 8.
void FormKeyPress(TMForm& form, uint8_t key);
void MDXDrawMouseMove(TMForm& form, int x, int y);
void MDXDrawClick(TMForm& form);
// Hands the selected button to the open window or the current screen.
void ButtonClick(TMForm& form, bool fromKeyboard);

}  // namespace vontra
