#include "player/race_context.h"

#include "app/mform.h"
#include "assets/picture_collection.h"
#include "audio/sound_effects.h"
#include "sprites/sprite_engine.h"

namespace vontra {

TSprite* SpriteRoot(TMForm& form) {
  return &form.MDXSpriteEngine->Root();
}

TPictureCollectionItem* RaceImage(TMForm& form, std::string_view name) {
  return &form.MDXImageList3->Find(name);
}

void RacePlaySound(TMForm& form, std::string_view name) {
  if (form.Routines.PlaySound) form.Routines.PlaySound(form, std::string(name));
}

void RaceStopSound(TMForm& form, std::string_view name) {
  StopSound(form, name);
}

}  // namespace vontra
