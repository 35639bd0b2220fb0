#pragma once
// What the service answers, apart from the sockets: the result endpoint, the pages and their
// cache. Answers may come later, on another thread (a result waits for its commit).
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "page_cache.h"
#include "ranking.h"
#include "rate_limiter.h"
#include "result_writer.h"
#include "score_store.h"
#include "table_sync.h"
#include "work_pool.h"

namespace vontra::scores {

struct Reply {
  int status = 200;
  std::string contentType = "text/plain; charset=utf-8";
  std::shared_ptr<const std::string> body;
};

struct ServiceOptions {
  int resultsPerMinute = kDefaultResultsPerMinute;
  std::string assetsDir;        // holds screenshot-race.png, served as /race.png
  size_t readThreads = 4;       // database reads and page renders, off the network threads
  size_t maxQueuedReads = 256;  // past this, pages are answered 503 at once
  size_t pageCacheBytes = 32 << 20;
  // How old the table may be when a page is rendered: the time another instance's result takes
  // at most to show here.
  std::chrono::milliseconds maxTableAge{250};
};

class ScoresService {
 public:
  using Clock = std::function<int64_t()>;  // seconds since the epoch

  // Results are written through `writes` on the writer thread; the table is read through
  // `reads`, a connection of its own. Loads the table; throws when the database fails.
  ScoresService(ScoreStore& writes, ScoreStore& reads, ServiceOptions options, Clock clock);
  // target is the request's path and query, as sent. done may run on the writer thread.
  void Handle(std::string_view method, std::string_view target, const std::string& address,
              std::function<void(Reply)> done);
  // Commits the results already taken and answers the pages already asked for, while the
  // network can still carry the answers; requests arriving later are refused.
  void Stop() {
    writer_.Stop();
    pool_.Stop();
  }

 private:
  using Done = std::function<void(Reply)>;
  void HandleResult(std::string_view inf, const std::string& address, Done& done);
  void TablePage(Period period, int64_t page, Done& done);
  void LookupPage(Period period, std::string name, Done& done);
  // A cached page, rendered on the pool when the cache lacks it.
  void CachedPage(std::string key, std::function<std::string()> render, Done& done);
  // Runs `work` on the pool after bringing the table up to date; 503 when the pool is full or
  // the database fails.
  void Offload(Done& done, std::function<Reply()> work);
  void AfterCommit();

  ScoreStore& reads_;
  ServiceOptions options_;
  Clock clock_;
  RateLimiter limiter_;
  std::shared_ptr<const std::string> racePicture_;
  std::shared_ptr<const std::string> stylesheet_;
  std::shared_ptr<const std::string> installPage_;
  Ranking ranking_;
  TableSync sync_;
  PageCache cache_;
  WorkPool pool_;
  ResultWriter writer_;  // last: stopped first, while what it updates still exists
};

}  // namespace vontra::scores
