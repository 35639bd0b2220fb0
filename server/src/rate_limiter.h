#pragma once
// How many results one address may send per minute; results carry no secret, so this is what
// keeps one sender from filling the table.
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
  // True when the address may send one more result at `now` (seconds); counts it.
  bool Allow(const std::string& address, int64_t now);

 private:
  struct Window {
    int64_t minute = 0;
    int count = 0;
  };
  int perMinute_;  // 0: no limit
  std::mutex mutex_;
  std::unordered_map<std::string, Window> windows_;
  int64_t lastSweep_ = 0;
};

}  // namespace vontra::scores
