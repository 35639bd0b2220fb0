#include "platform/headless/headless_display.h"

namespace vontra {

HeadlessDisplay::HeadlessDisplay(HeadlessClock& clock, int frameRate)
    : clock_(clock), frameRate_(frameRate) {}

void HeadlessDisplay::Initialize() {
  if (initialized_) Finalize();
  initialized_ = true;
  ++initializeCount_;
  modes_.push_back(fullScreen_);
  if (OnInitialize) OnInitialize();
}

void HeadlessDisplay::Finalize() {
  if (!initialized_) return;
  initialized_ = false;
  ++finalizeCount_;
  if (OnFinalize) OnFinalize();
}

void HeadlessDisplay::Flip() {
  if (!CanDraw()) return;
  ++flips_;
  if (frameRate_ > 0) clock_.Advance(1000.0 / frameRate_);
}

}  // namespace vontra
