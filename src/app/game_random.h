#pragma once
#include <cstdint>

namespace vontra {

// The game's one random generator: a 32-bit linear congruential sequence; Next(n) is a
// uniform integer in [0, n), taken from the high bits so small ranges stay uniform.
class GameRandom {
 public:
  void Seed(uint32_t seed) { state_ = seed; }
  uint32_t State() const { return state_; }
  int32_t Next(int32_t n) {
    state_ = state_ * 0x08088405u + 1u;
    if (n <= 0) return 0;
    return static_cast<int32_t>((static_cast<uint64_t>(state_) * static_cast<uint32_t>(n)) >> 32);
  }
  // A probability p passes when p > k / 32768 for a uniform k in [0, 32768).
  bool Chance(double p) { return p > Next(32768) / 32768.0; }

 private:
  uint32_t state_ = 0;
};

}  // namespace vontra
