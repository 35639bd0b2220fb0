#include "app/message_loop.h"

#include "app/form_lifecycle.h"
#include "app/frame_tick.h"
#include "app/frame_timer.h"
#include "app/input_dispatch.h"
#include "app/mform.h"
#include "app/race_frame.h"

namespace vontra {

namespace {

constexpr int kIdleWaitMs = 10;

bool OnSurface(const PlatformEvent& e) {
  return e.X >= 0 && e.Y >= 0 && e.X < kDisplayWidth && e.Y < kDisplayHeight;
}

// Sleeps out the rest of one display refresh when a tick showed nothing, so the loop never
// spins unpaced (a presented frame is already paced by the display).
void PaceIdleTick(TMForm& form, uint64_t tickStartMs) {
  const int rate = form.MDXDraw.RefreshRate() > 0 ? form.MDXDraw.RefreshRate() : 60;
  const int periodMs = 1000 / rate;
  const uint64_t spent = form.platform.clock->NowMs() - tickStartMs;
  int rest = periodMs - static_cast<int>(spent);
  form.platform.clock->SleepMs(rest < 1 ? 1 : rest);
}

}  // namespace

void DispatchEvent(TMForm& form, const PlatformEvent& e) {
  using Kind = PlatformEvent::Kind;
  switch (e.kind) {
    case Kind::KeyDown:
      form.PadInUse = false;  // the keyboard is in use: the pad's name picker steps aside
      FormKeyDown(form, e.Key, e.Alt, e.Repeat);
      break;
    case Kind::KeyUp:
      FormKeyUp(form, e.Key);
      break;
    case Kind::Char:
      form.PadInUse = false;
      FormKeyPress(form, e.Char, e.Repeat);
      break;
    case Kind::PadPress:
      FormPadPress(form, e.Pad);
      break;
    case Kind::MouseMove:
      // Positions in the letterbox bars are not on the surface.
      if (OnSurface(e)) MDXDrawMouseMove(form, e.X, e.Y);
      break;
    case Kind::MouseClick:
      if (!OnSurface(e)) break;
      // A click selects what is under it first: after a tap without motion, or when the
      // pointer rested on a button while the menu was still sliding in, the selection would
      // otherwise be a different button from the one clicked.
      MDXDrawMouseMove(form, e.X, e.Y);
      MDXDrawClick(form);
      break;
    case Kind::CloseRequest:
      FormCloseQuery(form);
      break;
    case Kind::Minimize:
      FormMinimize(form);
      break;
    case Kind::PadUnplugged:
      form.PadInUse = false;
      PauseRaceFromOutside(form);
      break;
    case Kind::Activate:
      form.MDXTimer->Restart();
      break;
    case Kind::Deactivate:
      break;
    case Kind::Quit:
      form.Terminated = true;
      break;
  }
}

bool ProcessMessages(TMForm& form) {
  PlatformEvent event;
  while (!form.Terminated && form.platform.events->Poll(event)) DispatchEvent(form, event);
  if (form.Terminated) return false;
  if (form.MDXTimer->Enabled() && form.platform.window->Active()) {
    const uint64_t start = form.platform.clock->NowMs();
    form.FramePresented = false;
    MDXTimerTimer(form, form.MDXTimer->Fire());
    if (!form.FramePresented) PaceIdleTick(form, start);
  } else if (form.platform.events->Wait(event, kIdleWaitMs)) {
    // Nothing to draw: wait for the next event instead of spinning.
    DispatchEvent(form, event);
  }
  return !form.Terminated;
}

void RunMessageLoop(TMForm& form) {
  while (ProcessMessages(form)) {
  }
}

}  // namespace vontra
