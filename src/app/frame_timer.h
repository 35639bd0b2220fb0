#pragma once
#include <cstdint>

#include "platform/clock.h"

namespace vontra {

// The frame timer: fired by the message loop whenever it is idle, while enabled and while the
// application is active. Each firing yields the milliseconds since the previous one (at least
// 1); the frame rate is measured over periods of at least a second and reads 0 until then.
class TFrameTimer {
 public:
  explicit TFrameTimer(IClock& clock) : clock_(clock) {}

  bool Enabled() const { return enabled_; }
  // Enabling a disabled timer restarts both of its clocks.
  void SetEnabled(bool enabled);
  // The application became active again: both clocks restart.
  void Restart();
  // One firing now; returns LagCount.
  int Fire();
  int FrameRate() const { return frameRate_; }

 private:
  IClock& clock_;
  bool enabled_ = false;
  uint64_t lastFireMs_ = 0;
  uint64_t lastReportMs_ = 0;
  int64_t firings_ = 0;
  int frameRate_ = 0;
};

}  // namespace vontra
