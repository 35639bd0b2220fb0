#pragma once
// Small shared steps of the front-end screens: freeing their button slots and switching the
// backdrop (making and freeing pictures and the frame timer are in frontend/front_end.h).
#include <cstdint>
#include <string_view>

#include "frontend/front_end.h"

namespace vontra {

class TMForm;

// Frees one button slot and empties it.
void FreeSlot(TMForm& form, int slot);

// Switches the one background sprite to a picture of the menu list.
void SetBackdrop(TMForm& form, std::string_view image);

}  // namespace vontra
