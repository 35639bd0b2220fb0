#include "rate_limiter.h"

#include <algorithm>
#include <iterator>

#include "client_address.h"

namespace vontra::scores {
namespace {

constexpr int64_t kUnitsPerResult = 60;

}  // namespace

bool RateLimiter::Allow(const std::string& address, int64_t now) {
  if (perMinute_ <= 0) return true;
  const int64_t capacity = int64_t{perMinute_} * kUnitsPerResult;
  const std::string key = SenderKey(address);
  std::lock_guard lock(mutex_);
  const auto refilled = [&](const Bucket& b) {
    // A clock stepping back refills nothing.
    return std::min(capacity, b.units + std::max<int64_t>(0, now - b.updated) * perMinute_);
  };
  // A bucket that has filled up again is the same as none: forget it, so the map holds only
  // the last minute's senders.
  if (now - lastSweep_ >= 60) {
    for (auto it = buckets_.begin(); it != buckets_.end();) {
      it = refilled(it->second) >= capacity ? buckets_.erase(it) : std::next(it);
    }
    lastSweep_ = now;
  }
  const auto [it, created] = buckets_.try_emplace(key, Bucket{capacity, now});
  Bucket& bucket = it->second;
  bucket.units = refilled(bucket);
  bucket.updated = std::max(bucket.updated, now);
  if (bucket.units < kUnitsPerResult) return false;
  bucket.units -= kUnitsPerResult;
  return true;
}

}  // namespace vontra::scores
