#include "app/race_setup.h"

#include <string>

#include "app/display_mode.h"
#include "app/mform.h"
#include "app/race_hud.h"
#include "app/race_level.h"
#include "assets/picture_collection.h"
#include "audio/music.h"
#include "audio/sound_effects.h"
#include "frontend/front_end.h"
#include "player/bullets.h"
#include "player/explosion.h"
#include "player/my_car_sprite.h"
#include "player/race_context.h"
#include "player/race_sprites.h"
#include "road/scroll_background.h"
#include "road/spawner.h"

namespace vontra {
namespace {

struct IconPlace {
  const char* Image;
  int X;
  int Y;
};

// Weapons 1..5 in one row, then the turbo and the shield.
// Indexed by HudIcons.
constexpr IconPlace kWeaponIcons[kHudIconCount + 1] = {{},
                                                       {"PanelGun", 689, 341},
                                                       {"PanelGun2", 709, 341},
                                                       {"PanelRocket", 729, 341},
                                                       {"PanelRocket2", 749, 341},
                                                       {"PanelMegaBomb", 769, 341},
                                                       {"PanelEngine", 691, 417},
                                                       {"PanelShield", 746, 417}};

void CreateRaceSprites(TMForm& form) {
  form.LeftPanelSprite = NewCaption(form, "LeftPanel", 0, 0, 3);
  form.RightPanelSprite = NewCaption(form, "RightPanel", 0, 0, 3);
  form.RightPanelSprite->X = 800 - form.RightPanelSprite->Width - 1;
  form.ProgressCarSprite = NewCaption(form, "SmallCar", 0, kProgressStartY, 4);
  form.ProgressCarSprite->X = 733 - form.ProgressCarSprite->Width / 2.0;
  // Never drawn as a sprite: the needle is drawn rotated over the HUD.
  form.NeedleSprite = NewCaption(form, "Pointer", 0, 540, 4, false);
  form.NeedleSprite->X = 722 - form.NeedleSprite->Width;
  form.NeedleTimer = -1;
  form.NeedleJitter = 0;
  form.LivesSprite = NewCaption(form, "PanelLife", 36, 361, 4);
  form.LivesSprite->UseRaceImages = true;
  form.ShownLives = -1;
  form.EnergyBarSprite = NewCaption(form, "EnergyBar", 167, 576, 3);

  CreateCarSprites(form, static_cast<uint8_t>(form.CarChoice));
  for (int i = 1; i <= kHudIconCount; ++i) {
    const IconPlace& icon = kWeaponIcons[i];
    form.WeaponIcons[i] = NewCaption(form, icon.Image, icon.X, icon.Y, 4, false);
  }
  CreateExplosions(form);
}

}  // namespace

int32_t LevelTimeMs(int32_t race) {
  return 60000 + 30000 * ((race - 1) / 2);
}

void StartRace(TMForm& form) {
  RacePlaySound(form, "Engine");
  form.ScreenState = ScreenStates::kRace;
  PlayScreenMusic(form);
  form.ButtonCount = 0;
  HideMouseCursor(form);
  if (form.Background) {
    form.Background->SetMapImage(RaceImage(form, "Land"));
    form.Background->X = 124;
  }
  CreateRaceSprites(form);
  // Normally a no-op: LeaveRace has emptied the slots.
  FreeAllRoadObjects(form);
  EnableFrameTimer(form, true);
  DrawNeedle(form);
  form.Score = 0;
  form.Lives = 4;
  StartLevel(form, 1);
}

void LeaveRace(TMForm& form) {
  StopSound(form, "Engine");
  StopSong(form);
  ShowMouseCursor(form);
  EnableFrameTimer(form, false);
  if (form.Background) {
    form.Background->X = 0;
    form.Background->Y = 0;
  }
  // A game ended during the shake must not leave the next screen shifted.
  form.ShakeActive = false;
  form.ShakeDX = form.ShakeDY = 0;
  FreeRaceSprites(form);
  form.LeftPanelSprite.reset();
  form.RightPanelSprite.reset();
  form.ProgressCarSprite.reset();
  form.NeedleSprite.reset();
  form.LivesSprite.reset();
  form.EnergyBarSprite.reset();
  for (int i = 1; i <= kHudIconCount; ++i) form.WeaponIcons[i].reset();
}

}  // namespace vontra
