#include "frontend/front_end.h"

#include "app/mform.h"
#include "assets/picture_collection.h"
#include "sprites/sprite_engine.h"

namespace vontra {

namespace {
// The drawing control is one pixel taller than the surface.
constexpr double kControlWidth = 800;
constexpr double kControlHeight = 601;
}  // namespace

TCaptionSprite::TCaptionSprite(TMForm& form, std::string_view imageName, bool fromRaceImages)
    : TImageSprite(&form.MDXSpriteEngine->Root()), form_(form) {
  const bool race = form.ScreenState == ScreenStates::kRace || fromRaceImages;
  AssignImage(&(race ? form.MDXImageList3 : form.MDXImageList)->Find(imageName));
  X = kControlWidth / 2 - Width / 2.0;
  Y = kControlHeight / 2 - Height / 2.0;
  SetZ(3);
  FramePos = 0;
  FrameCount = Image->PatternCount();
  LoopFrames = false;
  FrameSpeed = 0;
}

void TCaptionSprite::SetImageByName(std::string_view imageName) {
  AssignImage(&(UseRaceImages ? form_.MDXImageList3 : form_.MDXImageList)->Find(imageName));
}

}  // namespace vontra
