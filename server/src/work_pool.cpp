#include "work_pool.h"

#include <sys/resource.h>
#include <unistd.h>

namespace vontra::scores {

WorkPool::WorkPool(size_t threads, size_t maxQueued, int niceness)
    : maxQueued_(maxQueued), niceness_(niceness) {
  for (size_t i = 0; i < threads; ++i) threads_.emplace_back([this] { Run(); });
}

WorkPool::~WorkPool() {
  Stop();
}

void WorkPool::Stop() {
  {
    std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  wake_.notify_all();
  for (auto& thread : threads_) {
    if (thread.joinable()) thread.join();
  }
}

bool WorkPool::TrySubmit(std::function<void()> job) {
  {
    std::lock_guard lock(mutex_);
    if (stopping_ || queue_.size() >= maxQueued_) return false;
    queue_.push_back(std::move(job));
  }
  wake_.notify_one();
  return true;
}

void WorkPool::Run() {
  // Pages yield the processor to the network threads and to the writer, whose senders wait for
  // a commit: under a flood of reads the results still go through on time. On Linux this
  // thread's id names it alone; refused (it never is for lowering), it runs at the usual level.
  setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), niceness_);
  for (;;) {
    std::function<void()> job;
    {
      std::unique_lock lock(mutex_);
      wake_.wait(lock, [this] { return stopping_ || !queue_.empty(); });
      if (queue_.empty()) return;
      job = std::move(queue_.front());
      queue_.pop_front();
    }
    job();  // jobs catch their own failures: one failing never stops the pool
  }
}

}  // namespace vontra::scores
