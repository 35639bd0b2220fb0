#include "app/race_setup.h"

#include <cmath>
#include <string>

#include "app/display_mode.h"
#include "app/mform.h"
#include "app/race_hud.h"
#include "app/race_level.h"
#include "assets/picture_collection.h"
#include "audio/music.h"
#include "audio/sound_effects.h"
#include "frontend/caption_sprite.h"
#include "frontend/screen_parts.h"
#include "frontend/screen_routines.h"
#include "player/bullets.h"
#include "player/explosion.h"
#include "player/my_car_sprite.h"
#include "player/race_context.h"
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

TExplosion* NewExplosion(TMForm& form, const char* image, double x, double y, int32_t z,
                         int32_t rate) {
  auto* sprite = new TExplosion(form, image, x, y);
  sprite->SetZ(z);
  sprite->Rate = rate;
  return sprite;
}

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

  form.PlayerCar = new TMyCarSprite(form, static_cast<uint8_t>(form.CarChoice));
  TMyCarSprite& car = *form.PlayerCar;
  car.ControlsOn = true;
  form.PlayerBullets = new TBullets(form);
  // The flames only lend their animation clocks to the car's overlays; they stay hidden.
  form.EngineFireSprite =
      NewExplosion(form, "EngineFire", std::trunc(car.X), std::trunc(car.Y), 6, 50);
  form.EngineFireSprite->X = car.CentreX - form.EngineFireSprite->Width / 2.0;
  form.EngineFireSprite->Y = car.CentreY + 41;
  form.GunFireSprite = NewExplosion(form, "GunFire", std::trunc(car.X), std::trunc(car.Y), 7, 55);
  form.GunFireSprite->X = car.X;
  form.GunFireSprite->Y = car.Y;
  for (int i = 1; i <= kHudIconCount; ++i) {
    const IconPlace& icon = kWeaponIcons[i];
    form.WeaponIcons[i] = NewCaption(form, icon.Image, icon.X, icon.Y, 4, false);
  }
  form.MicroExplosion = new TExplosion(form, "ExplosionMicro", 400, 300);
  form.BigExplosion = NewExplosion(form, "ExplosionBig", 400, 300, 6, 25);
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
  for (int slot = 1; slot <= kRoadObjectSlots; ++slot) form.RoadObjectUsed[slot] = false;
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
  FreeAllRoadObjects(form);
  FreeSprite(form.PlayerCar);
  FreeSprite(form.PlayerBullets);
  FreeSprite(form.EngineFireSprite);
  FreeSprite(form.GunFireSprite);
  FreeSprite(form.LeftPanelSprite);
  FreeSprite(form.RightPanelSprite);
  FreeSprite(form.ProgressCarSprite);
  FreeSprite(form.NeedleSprite);
  FreeSprite(form.LivesSprite);
  FreeSprite(form.EnergyBarSprite);
  for (int i = 1; i <= 7; ++i) FreeSprite(form.WeaponIcons[i]);
  FreeSprite(form.MicroExplosion);
  FreeSprite(form.BigExplosion);
}

}  // namespace vontra
