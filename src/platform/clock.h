#pragma once
#include <cstdint>

namespace vontra {

class IClock {
 public:
  virtual ~IClock() = default;
  // Milliseconds from an arbitrary start; never goes back.
  virtual uint64_t NowMs() = 0;
  virtual void SleepMs(int ms) = 0;
  // Seed for the game's random generator (the wall clock on a real machine).
  virtual uint32_t RandomSeed() = 0;
};

}  // namespace vontra
