#pragma once
#include <cstdint>

namespace vontra {

// Decides, after each present, whether the display paced it and, when not, until when to
// sleep. Frames are kept in step with a steady beat rather than counted from the moment the
// loop woke up, so a late wake-up is made up by a shorter sleep instead of slowing the game
// down. A frame that took most of a period or more counts as paced and starts a new beat.
class FramePacer {
 public:
  // now and the result in nanoseconds of a monotonic clock; rate in Hz (0: unknown, 60).
  // Returns the moment to sleep until, or 0 when no sleep is due.
  int64_t AfterPresent(int64_t now, int rate);
  // Forgets the beat (after the display was re-initialised).
  void Reset() {
    lastPresent_ = 0;
    beat_ = 0;
  }
  bool Paced() const { return paced_; }

 private:
  int64_t lastPresent_ = 0;
  int64_t beat_ = 0;
  bool paced_ = true;
};

// Nanoseconds of the monotonic clock, and a sleep until such a moment (to the microsecond,
// where a sleep of whole milliseconds would wake up to a millisecond early or late).
int64_t MonotonicNowNs();
void SleepUntilNs(int64_t moment);

}  // namespace vontra
