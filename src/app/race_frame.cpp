#include "app/race_frame.h"

#include "app/mform.h"
#include "app/race_events.h"
#include "app/race_hud.h"
#include "app/race_level.h"
#include "app/race_step.h"
#include "frontend/front_end.h"
#include "player/my_car_sprite.h"
#include "player/race_context.h"

namespace vontra {
namespace {

constexpr int kBonusPointsPerSecond = 5;
constexpr int kBonusSpeedUp = 10;
constexpr int32_t kWarningMs = 10000;

void OpenWindow(TMForm& form, WindowKinds kind) {
  if (form.Routines.OpenMessageWindow) form.Routines.OpenMessageWindow(form, kind);
}

RaceControls ControlsFromInput(const TMForm& form) {
  const InputStateSet& in = form.InputStates;
  return RaceControls{.Accelerate = in.Up,
                      .Brake = in.Down,
                      .Left = in.Left,
                      .Right = in.Right,
                      .Fire = in.Fire || form.CtrlDown};
}

}  // namespace

void RaceClockStep(TMForm& form) {
  TMyCarSprite& car = *form.PlayerCar;
  if (car.Stopped) {
    if (form.TimeLeftMs <= 0) {
      StartLevel(form, form.Level + 1);
      return;
    }
    const int32_t old = form.TimeLeftMs;
    form.TimeLeftMs -= kBonusSpeedUp * form.FrameTimeMs;
    // At most one tick and one second's points per frame.
    if (form.TimeLeftMs / 1000 < old / 1000) {
      RacePlaySound(form, "Tick");
      car.AddScore(kBonusPointsPerSecond);
    }
    return;
  }
  if (form.TimeLeftMs <= 0) {
    if (car.Speed > 0) {
      car.SpeedMode = SpeedModes::kDownToTarget;
      car.TargetSpeed = 0;
    } else if (car.Y > form.FinishY) {
      if (form.Lives > 0) {
        form.Lives -= 1;
        car.Energy = 100;
      }
      OpenWindow(form, form.Lives == 0 ? WindowKinds::kGameOver : WindowKinds::kTimeOver);
    }
    return;
  }
  if (form.TimeLeftMs < kWarningMs &&
      form.TimeLeftMs / 1000 > (form.TimeLeftMs - form.FrameTimeMs) / 1000) {
    RacePlaySound(form, "Tick");
  }
  if (!car.Finished) form.TimeLeftMs -= form.FrameTimeMs;
}

void PauseRaceFromOutside(TMForm& form) {
  if (form.ScreenState == ScreenStates::kRace &&
      (form.WindowKind == WindowKinds::kNone || form.WindowKind == WindowKinds::kLevelBanner)) {
    OpenWindow(form, WindowKinds::kPause);
  }
}

void RaceFrame(TMForm& form, int lagCount) {
  ShellRoutines& r = form.Routines;
  if (form.WindowKind != WindowKinds::kNone) {
    if (r.MessageWindowFrame) r.MessageWindowFrame(form, lagCount);
  } else {
    if (form.PausePressed) OpenWindow(form, WindowKinds::kPause);
    if (form.EscapePressed && !form.ShakeActive) OpenWindow(form, WindowKinds::kFinishQuestion);
    RenderScene(form, lagCount, true);
  }
  if (form.ScreenState != ScreenStates::kRace) return;
  if (form.MDXDraw.CanDraw()) {
    DrawNeedle(form);
    DrawHudText(form);
    UpdateHudPanels(form);
  }
  if (form.WindowKind == WindowKinds::kNone && form.PlayerCar) {
    UpdateShake(form);
    UpdateProgressCar(form);
    RaceClockStep(form);
    // A new race started by the clock opens its banner; the rest waits for it.
    if (form.WindowKind == WindowKinds::kNone) {
      CarStep(form, ControlsFromInput(form));
      RoadStep(form);
    }
  }
  PresentFrame(form);
}

}  // namespace vontra
