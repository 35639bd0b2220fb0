#pragma once
#include <cstdint>

#include "platform/events.h"

namespace vontra {

class TMForm;

// Derives this frame's Pressed/Held flags of Pause, Escape, Yes and No from the input states.
void UpdateInputFlags(TMForm& form);

// `repeat`: made by the keyboard's auto-repeat of a held key. A held key acts once: its
// repeats never click, answer or leave anything; they only type again in the text fields.
void FormKeyDown(TMForm& form, int key, bool alt, bool repeat = false);
void FormKeyUp(TMForm& form, int key);
// A typed character (Windows-1251); Enter, Escape and Backspace arrive as 13, 27 and 8.
void FormKeyPress(TMForm& form, uint8_t key, bool repeat = false);
// A press on the pad in use: A stands for Enter and B for Escape, except in the name entry,
// where the pad types with the on-screen picker. Any press makes the pad the input in use.
void FormPadPress(TMForm& form, PadButton button);
void MDXDrawMouseMove(TMForm& form, int x, int y);
void MDXDrawClick(TMForm& form);
// Hands the selected button to the open window or the current screen.
void ButtonClick(TMForm& form, bool fromKeyboard);

}  // namespace vontra
