#include "app/frame_timer.h"

#include "app/rounding.h"

namespace vontra {

void TFrameTimer::SetEnabled(bool enabled) {
  if (enabled && !enabled_) Restart();
  enabled_ = enabled;
}

void TFrameTimer::Restart() {
  const uint64_t now = clock_.NowMs();
  lastFireMs_ = now;
  lastReportMs_ = now;
  firings_ = 0;
}

int TFrameTimer::Fire() {
  const uint64_t now = clock_.NowMs();
  const uint64_t lag = now > lastFireMs_ ? now - lastFireMs_ : 0;
  lastFireMs_ = now;
  ++firings_;
  const uint64_t elapsed = now - lastReportMs_;
  if (elapsed >= 1000) {
    frameRate_ =
        RoundHalfEven(static_cast<double>(firings_) * 1000.0 / static_cast<double>(elapsed));
    firings_ = 0;
    lastReportMs_ = now;
  }
  return lag < 1 ? 1 : static_cast<int>(lag);
}

}  // namespace vontra
