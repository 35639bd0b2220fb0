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
  if (form.WindowKind == WindowKinds::kQuitQuestion ||
      form.WindowKind == WindowKinds::kClearQuestion) {
    RunFrame(r.MessageWindowFrame, form, lagCount);
  } else {
    switch (form.ScreenState) {
      case ScreenStates::kMainMenu:
        RunFrame(r.MainMenuFrame, form, lagCount);
        break;
      case ScreenStates::kRace:
        RunFrame(r.RaceFrame, form, lagCount);
        break;
      case ScreenStates::kOptions:
        RunFrame(r.OptionsFrame, form, lagCount);
        break;
      case ScreenStates::kHighScores:
        RunFrame(r.HighScoresFrame, form, lagCount);
        break;
      case ScreenStates::kHelp:
        RunFrame(r.HelpFrame, form, lagCount);
        break;
      case ScreenStates::kCarChoice:
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
