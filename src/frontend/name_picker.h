#pragma once
// The name picker that lets a pad type its name: one row of characters under the name in the
// name-entry window, shown while the pad is the input in use. Left and Right move along the
// row (held, they run on), Up and Down jump between the Cyrillic letters, the Latin letters and
// the digits; A adds the character under the cursor, B removes the last one, Start takes the
// name. The keyboard keeps typing as before.
#include <cstdint>
#include <string_view>

#include "platform/events.h"

namespace vontra {

class TMForm;
struct FrontEndState;

// Cyrillic capitals (with Ё), Latin capitals and digits, in Windows-1251.
std::string_view NamePickerCharacters();
uint8_t NamePickerCharacter(const FrontEndState& state);

// A new name entry: the cursor on the first letter, directions held from the race ignored.
void OpenNamePicker(FrontEndState& state);
// The frame's step: moves the cursor with the held directions (only while shown).
void StepNamePicker(TMForm& form);
void DrawNamePicker(TMForm& form);
// A pad press while the name entry is open.
void NamePickerPress(TMForm& form, PadButton button);

}  // namespace vontra
