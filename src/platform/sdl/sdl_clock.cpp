#include "platform/sdl/sdl_clock.h"

#include <SDL.h>

#include <chrono>

namespace vontra {

uint64_t SdlClock::NowMs() {
  return SDL_GetTicks64();
}

void SdlClock::SleepMs(int ms) {
  if (ms > 0) SDL_Delay(static_cast<Uint32>(ms));
}

uint32_t SdlClock::RandomSeed() {
  const auto now = std::chrono::system_clock::now().time_since_epoch();
  return static_cast<uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
}

}  // namespace vontra
