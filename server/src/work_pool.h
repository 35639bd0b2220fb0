#pragma once
// A fixed set of threads with a bounded queue, for the work that must stay off the network
// threads (database reads, page renders). A full queue refuses at once: the caller answers 503
// rather than letting waiting work pile up without end.
#include <condition_variable>
#include <cstddef>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace vontra::scores {

class WorkPool {
 public:
  // niceness: how much lower than the rest of the process the pool's threads run (0: the same).
  WorkPool(size_t threads, size_t maxQueued, int niceness = 0);
  ~WorkPool();  // Stop()
  WorkPool(const WorkPool&) = delete;
  WorkPool& operator=(const WorkPool&) = delete;

  // False, without running it, when maxQueued jobs are already waiting or the pool stops.
  bool TrySubmit(std::function<void()> job);
  // Runs what is queued, then joins the threads; later submissions are refused.
  void Stop();

 private:
  void Run();

  size_t maxQueued_;
  int niceness_;
  std::mutex mutex_;
  std::condition_variable wake_;
  std::deque<std::function<void()>> queue_;
  bool stopping_ = false;
  std::vector<std::thread> threads_;
};

}  // namespace vontra::scores
