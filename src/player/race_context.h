#pragma once
// What the race world's sprites need from the main window, gathered in one place: the root they
// hang under, the race pictures, the drawing surface and the sound effects.
#include <cstdint>
#include <string_view>

namespace vontra {

class TMForm;
class TSprite;
class TPictureCollectionItem;
class Surface;

TSprite* SpriteRoot(TMForm& form);
// A picture of the race image list; an unknown name fails as the list's lookup fails.
TPictureCollectionItem* RaceImage(TMForm& form, std::string_view name);
void RacePlaySound(TMForm& form, std::string_view name);
void RaceStopSound(TMForm& form, std::string_view name);

// Truncation toward zero, as the drawing offsets and firing positions use it.
inline int32_t Trunc(double v) {
  return static_cast<int32_t>(v);
}

}  // namespace vontra
