#pragma once
// Options beside the main menu: display mode, music, sound effects and a short text field
// that travels with a submitted result. Every change takes effect at once.
#include <cstdint>
#include <functional>
#include <string>

namespace vontra {

class TMForm;

void OpenOptions(TMForm& form);
void CloseOptions(TMForm& form);
// Brings the three switch pictures in line with the switches, then draws the text field.
void UpdateOptionLabels(TMForm& form);
void StartEditing(TMForm& form);
void StopEditing(TMForm& form);

// One typed character for the text field. Backspace removes the last character; a Latin
// letter is taken only while the text is at most 185 pixels wide (`width` measures it), a
// Cyrillic letter or a space always; nothing beyond ten characters; everything else dropped.
void EditExtraText(std::string& text, uint8_t ch,
                   const std::function<int(const std::string&)>& width);

}  // namespace vontra
