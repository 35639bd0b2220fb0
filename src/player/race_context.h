#pragma once
// What the race world's sprites need from outside the race, asked through the race: the root
// they hang under, the race pictures and the sound effects.
#include <cstdint>
#include <string_view>

#include "app/race_state.h"

namespace vontra {

class TSprite;
class TPictureCollectionItem;

inline TSprite* SpriteRoot(RaceState& race) {
  return race.RaceRoot();
}
// A picture of the race image list; an unknown name fails as the list's lookup fails.
inline TPictureCollectionItem* RaceImage(RaceState& race, std::string_view name) {
  return race.FindRaceImage(name);
}
inline void RacePlaySound(RaceState& race, std::string_view name) {
  race.PlayRaceSound(name);
}
inline void RaceStopSound(RaceState& race, std::string_view name) {
  race.StopRaceSound(name);
}

// Truncation toward zero, as the drawing offsets and firing positions use it.
inline int32_t Trunc(double v) {
  return static_cast<int32_t>(v);
}

}  // namespace vontra
