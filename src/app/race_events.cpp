#include "app/race_events.h"

#include "app/mform.h"
#include "road/scroll_background.h"
#include "sprites/sprite_engine.h"

namespace vontra {
namespace {
constexpr int kShakeSteps = 11;
constexpr int kShakeStepMs = 50;
constexpr int kShakeOffset = 5;
}  // namespace

void StartShake(RaceState& race) {
  race.ShakeActive = true;
  race.ShakeCount = kShakeSteps;
  race.ShakeTimer = 0;
  race.ShakeDX = kShakeOffset;
  race.ShakeDY = kShakeOffset;
}

void UpdateShake(TMForm& form) {
  if (!form.ShakeActive) return;
  if (form.ShakeTimer > 0) {
    form.ShakeTimer -= form.FrameTimeMs;
    return;
  }
  form.ShakeTimer = kShakeStepMs;
  form.ShakeCount -= 1;
  if (form.ShakeCount == 0) {
    form.ShakeActive = false;
    form.ShakeDX = 0;
    form.ShakeDY = 0;
  }
  for (TSprite* sprite : form.MDXSpriteEngine->Root().Children()) {
    if (sprite == form.Background.get()) continue;
    sprite->X += form.ShakeDX;
    sprite->Y += form.ShakeDY;
  }
  form.ShakeDX = -form.ShakeDX;
  form.ShakeDY = -form.ShakeDY;
}

void GameOver(TMForm& form) {
  form.Lives = 0;
  if (form.Routines.OpenMessageWindow)
    form.Routines.OpenMessageWindow(form, WindowKinds::kGameOver);
}

}  // namespace vontra
