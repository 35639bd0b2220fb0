#pragma once
// Small shared steps of the front-end screens: making and freeing their pictures, and the
// frame timer that every screen switches on when it opens and off when it closes.
#include <cstdint>
#include <string_view>

namespace vontra {

class TMForm;
class TCaptionSprite;

// A picture at its top-left corner (x, y), from the menu list (the race list on the race screen).
TCaptionSprite* NewCaption(TMForm& form, std::string_view image, double x, double y, int32_t z,
                           bool visible = true, bool fromRaceImages = false);

// Frees a sprite the screen created and forgets it; nothing happens for an empty reference.
template <typename T>
void FreeSprite(T*& sprite) {
  delete sprite;
  sprite = nullptr;
}

// Frees one button slot and empties it.
void FreeSlot(TMForm& form, int slot);

// Switches the one background sprite to a picture of the menu list.
void SetBackdrop(TMForm& form, std::string_view image);

void EnableFrameTimer(TMForm& form, bool enabled);

}  // namespace vontra
