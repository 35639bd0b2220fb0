#include "app/frame_tick.h"

#include "app/frame_timer.h"
#include "app/input_dispatch.h"
#include "app/mform.h"
#include "app/rounding.h"

namespace vontra {

namespace {

void RunFrame(const ShellRoutines::Frame& frame, TMForm& form, int lagCount) {
  if (frame) frame(form, lagCount);
}

}  // namespace

void MDXTimerTimer(TMForm& form, int lagCount) {
  ShellRoutines& r = form.Routines;
  if (r.MusicWatchdog) r.MusicWatchdog(form);
  form.InputStates = form.MDXInput.Read();
  UpdateInputFlags(form);
  if (form.WindowKind == 9 || form.WindowKind == 10) {
    RunFrame(r.MessageWindowFrame, form, lagCount);
  } else {
    switch (form.ScreenState) {
      case 0:
        RunFrame(r.MainMenuFrame, form, lagCount);
        break;
      case 1:
        RunFrame(r.RaceFrame, form, lagCount);
        break;
      case 2:
        RunFrame(r.OptionsFrame, form, lagCount);
        break;
      case 3:
        RunFrame(r.HighScoresFrame, form, lagCount);
        break;
      case 4:
        RunFrame(r.HelpFrame, form, lagCount);
        break;
      case 8:
        RunFrame(r.CarChoiceFrame, form, lagCount);
        break;
      default:
        break;
    }
  }
  UpdateFrameTiming(form, form.MDXTimer->FrameRate());
}

void UpdateFrameTiming(TMForm& form, int reportedFrameRate) {
  form.FrameRate = reportedFrameRate;
  if (form.FrameRate != 0) {
    // Above 2000 frames a second the frame would round to 0 ms and freeze every countdown.
    const int32_t ms = RoundHalfEven(1000.0 / form.FrameRate);
    form.FrameTimeMs = ms < 1 ? 1 : ms;
  } else {
    form.FrameTimeMs = 11;
    form.FrameRate = 85;
  }
  form.SpeedFactor = 85.0 / form.FrameRate;
}

}  // namespace vontra
