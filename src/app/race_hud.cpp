#include "app/race_hud.h"

#include <cmath>
#include <string>
#include <utility>

#include "app/mform.h"
#include "assets/picture_collection.h"
#include "frontend/front_end.h"
#include "player/my_car_sprite.h"
#include "road/spawner.h"

namespace vontra {
namespace {

constexpr int kJitterStepMs = 30;
constexpr double kNeedlePivotX = 0.8181818181818182;
constexpr double kNeedlePivotY = 0.13157894736842105;
constexpr int kNeedleX = 718;
constexpr int kNeedleY = 544;

// HUD texts follow the shaking panels.
void DrawShifted(TMForm& form, const std::string& text, int x, int y, bool centred) {
  DrawTextAnchored(form, text, x - form.ShakeDX, y - form.ShakeDY, centred, centred);
}

// An icon shows while its weapon or bonus is carried; a timed bonus also shows its seconds.
void ShowTimedIcon(TMForm& form, HudIcons icon, bool has, int32_t ms, int x, int y) {
  if (TCaptionSprite* sprite = form.WeaponIcons[ToInt(icon)].get()) sprite->Visible = has;
  if (has) {
    SelectFontStyle(form, 6);
    DrawShifted(form, std::to_string(ms / 1000), x, y, false);
  }
}

}  // namespace

std::array<int, 4> ClockDigits(int32_t timeLeftMs) {
  const int32_t t = timeLeftMs / 1000;
  const int32_t minutes = t / 60;
  const int32_t seconds = t % 60;
  return {minutes / 10, minutes % 10, seconds / 10, seconds % 10};
}

std::string_view LivesImage(int32_t lives) {
  switch (lives) {
    case 1:
      return "PanelLife";
    case 2:
      return "PanelLife2";
    case 3:
      return "PanelLife3";
    case 4:
      return "PanelLife4";
    default:
      return "Null";
  }
}

int32_t NeedleAngle(double speed, int32_t jitter) {
  const int32_t angle = static_cast<int32_t>(std::trunc(9.95 * speed)) + jitter + 3;
  return ((angle % 256) + 256) % 256;
}

void DrawNeedle(TMForm& form) {
  if (form.NeedleTimer > 0) {
    form.NeedleTimer -= form.FrameTimeMs;
  } else {
    form.NeedleTimer = kJitterStepMs;
    form.NeedleJitter = form.NeedleJitter <= 0 ? form.NeedleJitter + 1 : -1;
  }
  TCaptionSprite* needle = form.NeedleSprite.get();
  if (!needle || !needle->Image || !form.MDXDraw.CanDraw()) return;
  const double speed = form.PlayerCar ? form.PlayerCar->Speed : 0.0;
  needle->Image->DrawRotated(form.MDXDraw.DrawSurface(), kNeedleX - form.ShakeDX,
                             kNeedleY - form.ShakeDY, needle->Width, needle->Height, 0,
                             kNeedlePivotX, kNeedlePivotY, NeedleAngle(speed, form.NeedleJitter));
}

void DrawHudText(TMForm& form) {
  SelectFontStyle(form, 5);
  DrawShifted(form, std::to_string(form.Level), 65, 94, true);
  SelectFontStyle(form, 2);
  DrawShifted(form, std::to_string(form.Score), 65, 183, true);

  SelectFontStyle(form, 4);
  const std::array<int, 4> digits = ClockDigits(form.TimeLeftMs);
  constexpr int kDigitX[4] = {46, 54, 68, 76};
  for (int i = 0; i < 4; ++i) DrawShifted(form, std::to_string(digits[i]), kDigitX[i], 266, false);
  // The colon stays put while the digits shake.
  DrawTextAnchored(form, ":", 62, 264, false, false);

  if (!form.PlayerCar) return;
  SelectFontStyle(form, 14);
  const int32_t ammo = form.PlayerCar->Ammo;
  const int32_t ammoDigits[3] = {ammo / 100, (ammo / 10) % 10, ammo % 10};
  constexpr int kAmmoX[3] = {745, 753, 761};
  for (int i = 0; i < 3; ++i)
    DrawShifted(form, std::to_string(ammoDigits[i]), kAmmoX[i], 330, true);
}

void UpdateHudPanels(TMForm& form) {
  if (TMyCarSprite* car = form.PlayerCar.get()) {
    ShowTimedIcon(form, HudIcons::kTurbo, car->HasTurbo, car->TurboMs, 712, 446);
    ShowTimedIcon(form, HudIcons::kShield, car->HasShield, car->ShieldMs, 765, 446);
    const std::pair<HudIcons, bool> weapons[] = {{HudIcons::kGun, car->HasGun},
                                                 {HudIcons::kTwinGuns, car->HasTwinGuns},
                                                 {HudIcons::kRocket, car->HasRocket},
                                                 {HudIcons::kTwinRockets, car->HasTwinRockets},
                                                 {HudIcons::kMegaBomb, car->HasMegaBomb}};
    for (const auto& [icon, has] : weapons) {
      if (TCaptionSprite* sprite = form.WeaponIcons[ToInt(icon)].get()) sprite->Visible = has;
    }
  }
  if (form.Lives != form.ShownLives && form.LivesSprite) {
    form.LivesSprite->SetImageByName(LivesImage(form.Lives));
    form.ShownLives = form.Lives;
  }
}

void UpdateProgressCar(TMForm& form) {
  TCaptionSprite* marker = form.ProgressCarSprite.get();
  if (!marker || !form.PlayerCar || marker->Y <= kProgressEndY) return;
  marker->Y = kProgressStartY - form.PlayerCar->Distance * (kProgressStartY - kProgressEndY) /
                                    TrackLength(form.Level);
}

}  // namespace vontra
