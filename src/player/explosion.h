#pragma once
// A looping animation whose speed is a rate independent of the frame rate: about 0.85 x Rate
// frames a second. Used for the player's car blowing up and as the clocks of its flames.
#include <cstdint>
#include <string_view>

#include "sprites/image_sprite.h"

namespace vontra {

class RaceState;

class TExplosion : public TImageSprite {
 public:
  TExplosion(RaceState& race, std::string_view imageName, double x, double y);

  void MoveSelf(int32_t elapsedMs) override;

  int32_t Rate = 0;

 private:
  RaceState& race_;
};

}  // namespace vontra
