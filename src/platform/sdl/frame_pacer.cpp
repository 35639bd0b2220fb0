#include "platform/sdl/frame_pacer.h"

#include <cerrno>
#include <ctime>

namespace vontra {

int64_t FramePacer::AfterPresent(int64_t now, int rate) {
  const int64_t period = 1'000'000'000 / (rate > 0 ? rate : 60);
  const int64_t previous = lastPresent_;
  lastPresent_ = now;
  if (previous == 0) {
    beat_ = now;
    return 0;
  }
  // A present paced by the vertical blank returns about one period after the previous one.
  paced_ = now - previous >= period * 3 / 4;
  if (paced_) {
    beat_ = now;
    return 0;
  }
  beat_ += period;
  if (beat_ <= now) {
    beat_ = now;
    return 0;
  }
  lastPresent_ = beat_;
  return beat_;
}

int64_t MonotonicNowNs() {
  timespec t{};
  clock_gettime(CLOCK_MONOTONIC, &t);
  return static_cast<int64_t>(t.tv_sec) * 1'000'000'000 + t.tv_nsec;
}

void SleepUntilNs(int64_t moment) {
  timespec t{};
  t.tv_sec = static_cast<time_t>(moment / 1'000'000'000);
  t.tv_nsec = static_cast<long>(moment % 1'000'000'000);
  while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &t, nullptr) == EINTR) {
  }
}

}  // namespace vontra
