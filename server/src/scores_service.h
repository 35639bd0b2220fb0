#pragma once
// What the service answers, apart from the sockets: the result endpoint, the pages and their
// cache. Answers may come later, on another thread (a result waits for its commit).
#include <atomic>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>

#include "rate_limiter.h"
#include "result_writer.h"
#include "score_store.h"

namespace vontra::scores {

struct Reply {
  int status = 200;
  std::string contentType = "text/plain; charset=utf-8";
  std::shared_ptr<const std::string> body;
};

struct ServiceOptions {
  int resultsPerMinute = kDefaultResultsPerMinute;
  std::string assetsDir;  // holds screenshot-race.png, served as /race.png
};

class ScoresService {
 public:
  using Clock = std::function<int64_t()>;  // seconds since the epoch

  // Results are written through `writes` on the writer thread; pages read through `reads`, a
  // connection of its own so that reading never sees a transaction in progress.
  ScoresService(ScoreStore& writes, ScoreStore& reads, ServiceOptions options, Clock clock);
  // target is the request's path and query, as sent. done may run on the writer thread.
  void Handle(std::string_view method, std::string_view target, const std::string& address,
              std::function<void(Reply)> done);
  // Commits the results already taken; those arriving later are refused.
  void Stop() { writer_.Stop(); }

 private:
  void HandleResult(std::string_view inf, const std::string& address,
                    std::function<void(Reply)>& done);
  Reply TablePage(Period period, int64_t page, const std::string* name);
  Reply HomePage();
  std::shared_ptr<const std::string> Cached(const std::string& key,
                                            const std::function<std::string()>& render);

  ScoreStore& reads_;
  ServiceOptions options_;
  Clock clock_;
  RateLimiter limiter_;
  std::shared_ptr<const std::string> racePicture_;
  // Rendered pages, dropped on every commit and every minute (the periods move with time).
  std::mutex cacheMutex_;
  std::map<std::string, std::shared_ptr<const std::string>> cache_;
  int64_t cacheMinute_ = 0;
  std::atomic<uint64_t> generation_{0};
  uint64_t cacheGeneration_ = 0;
  std::mutex readsMutex_;
  ResultWriter writer_;
};

}  // namespace vontra::scores
