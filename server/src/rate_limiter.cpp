#include "rate_limiter.h"

#include <iterator>

namespace vontra::scores {

bool RateLimiter::Allow(const std::string& address, int64_t now) {
  if (perMinute_ <= 0) return true;
  const int64_t minute = now / 60;
  std::lock_guard lock(mutex_);
  // Forget addresses of past minutes, so the map holds only this minute's senders.
  if (minute != lastSweep_) {
    for (auto it = windows_.begin(); it != windows_.end();) {
      it = it->second.minute < minute ? windows_.erase(it) : std::next(it);
    }
    lastSweep_ = minute;
  }
  Window& window = windows_[address];
  if (window.minute != minute) window = {minute, 0};
  if (window.count >= perMinute_) return false;
  ++window.count;
  return true;
}

}  // namespace vontra::scores
