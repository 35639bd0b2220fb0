#pragma once
// How many results one sender may send; results carry no secret, so this is what keeps one
// sender from filling the table. A token bucket per sender: a full bucket holds a minute's
// allowance and refills evenly over the minute, so no window edge lets a double allowance through.
#include <cstdint>
#include <mutex>
#include <string>
#include <unordered_map>

namespace vontra::scores {

// A race takes minutes; a player never sends more than a few results a minute.
inline constexpr int kDefaultResultsPerMinute = 10;

class RateLimiter {
 public:
  explicit RateLimiter(int perMinute) : perMinute_(perMinute) {}
  // True when the sender at `address` may send one more result at `now` (seconds); counts it.
  // Senders are counted by SenderKey (an IPv6 /64 is one sender).
  bool Allow(const std::string& address, int64_t now);

 private:
  struct Bucket {
    int64_t units = 0;  // tokens in sixtieths: a second refills perMinute_ units, a result costs 60
    int64_t updated = 0;
  };
  int perMinute_;  // 0: no limit
  std::mutex mutex_;
  std::unordered_map<std::string, Bucket> buckets_;
  int64_t lastSweep_ = 0;
};

}  // namespace vontra::scores
