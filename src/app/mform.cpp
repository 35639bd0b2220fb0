#include "app/mform.h"

#include "app/display_mode.h"
#include "app/frame_timer.h"
#include "app/race_events.h"
#include "assets/picture_collection.h"
#include "assets/wave_collection.h"
#include "audio/sound_effects.h"
#include "audio/sound_mixer.h"
#include "player/bullets.h"
#include "player/explosion.h"
#include "player/my_car_sprite.h"
#include "road/scroll_background.h"
#include "road/wall_sprite.h"
#include "sprites/sprite_engine.h"

namespace vontra {

TMForm::TMForm(Platform& p)
    : platform(p),
      MDXDraw(*p.display),
      MDXInput(*p.input),
      MIdHTTP(*p.http),
      MDXTimer(std::make_unique<TFrameTimer>(*p.clock)),
      Canvas(NewTextCanvas(*p.fonts)) {
  // Installed before the components that chain their own handlers after ours.
  MDXDraw.OnInitialize = [this] { MDXDrawInitialize(*this); };
  MDXDraw.OnFinalize = [this] { MDXDrawFinalize(*this); };
  MDXSpriteEngine = std::make_unique<TDXSpriteEngine>();
  MDXSpriteEngine->SetDXDraw(&MDXDraw);
  // Without a sound card the mixer stays closed and the game runs silently.
  if (p.audio) {
    MDXSound = std::make_unique<TSoundMixer>(*p.audio, p.music.get());
    MDXSound->Open();
  }
}

TMForm::~TMForm() {
  MDXDraw.OnInitialize = nullptr;
  MDXDraw.OnFinalize = nullptr;
}

TSprite* TMForm::RaceRoot() {
  return &MDXSpriteEngine->Root();
}

TPictureCollectionItem* TMForm::FindRaceImage(std::string_view name) {
  return &MDXImageList3->Find(name);
}

TPictureCollectionItem* TMForm::FindScreenImage(std::string_view name) {
  return &(RaceOnScreen() ? MDXImageList3 : MDXImageList)->Find(name);
}

bool TMForm::RaceOnScreen() const {
  return ScreenState == ScreenStates::kRace;
}

void TMForm::PlayRaceSound(std::string_view name) {
  if (Routines.PlaySound) Routines.PlaySound(*this, std::string(name));
}

void TMForm::StopRaceSound(std::string_view name) {
  StopSound(*this, name);
}

void TMForm::LoseGame() {
  GameOver(*this);
}

}  // namespace vontra
