#include "road/scroll_background.h"

#include "app/race_state.h"
#include "assets/picture_collection.h"
#include "player/my_car_sprite.h"
#include "sprites/sprite_engine.h"

namespace vontra {

TScrollBackground::TScrollBackground(RaceState& race, std::string_view imageName)
    : TBackgroundSprite(race.RaceRoot()), race_(race) {
  SetMapSize(1, 1);
  SetMapImage(race.FindScreenImage(imageName));
  X = 0;
  Y = 0;
  SetZ(1);
  Tile = true;
}

void TScrollBackground::MoveSelf(int32_t) {
  if (!race_.RaceOnScreen() || Image == nullptr) return;
  const double step = race_.PlayerCar != nullptr ? race_.PlayerCar->Step : 0.0;
  Y = Y + step * 1.0 * 0.5 * 0.5;
  const double h = Image->Height();
  // Equal to the height does not wrap.
  if (Y > h) Y = Y - h;
}

void TScrollBackground::DrawSelf() {
  TPictureCollectionItem* image = Image;
  if (image == nullptr || Engine() == nullptr || Engine()->DrawSurface == nullptr) return;
  Surface& dest = *Engine()->DrawSurface;
  const double h = image->Height();
  const int x = RoundHalfEven(X + race_.ShakeDX);
  for (double offset : {-h, 0.0, h}) {
    image->Draw(dest, x, RoundHalfEven(Y + offset + race_.ShakeDY), 0);
  }
}

}  // namespace vontra
