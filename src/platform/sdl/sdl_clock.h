#pragma once
#include "platform/clock.h"

namespace vontra {

class SdlClock : public IClock {
 public:
  uint64_t NowMs() override;
  void SleepMs(int ms) override;
  uint32_t RandomSeed() override;
};

}  // namespace vontra
