#pragma once
// The one full-screen background: the menu backdrops, and in a race the endless road made of
// three copies of one tall picture pushed down as fast as the player drives.
#include <string_view>

#include "sprites/background_sprite.h"

namespace vontra {

class RaceState;

class TScrollBackground : public TBackgroundSprite {
 public:
  // Created under the root at depth 1; the picture comes from the race list on the race screen,
  // else from the menu list.
  TScrollBackground(RaceState& race, std::string_view imageName);

  // Scrolls by a quarter of the car's step, in the race only.
  void MoveSelf(int32_t elapsedMs) override;
  // Three copies one above the other, shifted by the screen shake.
  void DrawSelf() override;

 private:
  RaceState& race_;
};

}  // namespace vontra
