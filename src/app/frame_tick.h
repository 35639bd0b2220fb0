#pragma once

namespace vontra {

class TMForm;

// One tick of the frame timer: music watchdog, input, the current screen's (or the open
// question's) frame, then the frame-rate bookkeeping for the next tick.
void MDXTimerTimer(TMForm& form, int lagCount);

// Turns the timer's reported frame rate into FrameRate, FrameTimeMs and SpeedFactor.
void UpdateFrameTiming(TMForm& form, int reportedFrameRate);

}  // namespace vontra
