#pragma once
#include "platform/display.h"
#include "platform/headless/headless_clock.h"

namespace vontra {

// The in-memory display. Each Flip counts a presented frame and moves the headless clock by
// one frame of the chosen rate, as waiting for the vertical blank would.
class HeadlessDisplay : public IDisplay {
 public:
  HeadlessDisplay(HeadlessClock& clock, int frameRate);

  void Initialize() override;
  void Finalize() override;
  bool Initialized() const override { return initialized_; }
  void SetFullScreen(bool fullScreen) override { fullScreen_ = fullScreen; }
  bool FullScreen() const override { return fullScreen_; }
  bool CanDraw() const override { return initialized_ && !lost_; }
  Surface& DrawSurface() override { return surface_; }
  void Flip() override;
  int RefreshRate() const override { return frameRate_; }

  // Test controls and observations.
  void SetLost(bool lost) { lost_ = lost; }
  void SetFrameRate(int frameRate) { frameRate_ = frameRate; }
  int FlipCount() const { return flips_; }
  int InitializeCount() const { return initializeCount_; }
  int FinalizeCount() const { return finalizeCount_; }
  // The full-screen option each initialisation was made with, in order.
  const std::vector<bool>& InitializedModes() const { return modes_; }
  const Surface& Frame() const { return surface_; }

 private:
  HeadlessClock& clock_;
  int frameRate_;
  Surface surface_{kDisplayWidth, kDisplayHeight};
  bool initialized_ = false;
  bool fullScreen_ = false;
  bool lost_ = false;
  int flips_ = 0;
  int initializeCount_ = 0;
  int finalizeCount_ = 0;
  std::vector<bool> modes_;
};

}  // namespace vontra
