#pragma once
#include <cmath>
#include <cstdint>

#include "platform/clock.h"

namespace vontra {

// A clock that only moves when told: by sleeping, by a presented frame (as a vertical blank
// would) or by the test. Fractions of a millisecond accumulate so any frame rate can be kept.
class HeadlessClock : public IClock {
 public:
  explicit HeadlessClock(uint32_t seed = 1) : seed_(seed) {}
  uint64_t NowMs() override { return static_cast<uint64_t>(std::floor(nowMs_)); }
  void SleepMs(int ms) override {
    if (ms > 0) nowMs_ += ms;
  }
  uint32_t RandomSeed() override { return seed_; }

  void Advance(double ms) { nowMs_ += ms; }
  double ExactNowMs() const { return nowMs_; }
  void SetSeed(uint32_t seed) { seed_ = seed; }

 private:
  double nowMs_ = 1000.0;
  uint32_t seed_;
};

}  // namespace vontra
