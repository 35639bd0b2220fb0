#pragma once
// The one thread that writes results: whatever arrived while the last transaction committed goes
// into the next one, and each sender is told only after their row is committed.
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

#include "score_store.h"

namespace vontra::scores {

class ResultWriter {
 public:
  // Called on the writer thread with true once committed, false when the database failed.
  using Done = std::function<void(bool committed)>;

  // onCommit runs on the writer thread after every committed transaction.
  ResultWriter(ScoreStore& store, std::function<void()> onCommit);
  ~ResultWriter();  // commits what is pending, then stops
  ResultWriter(const ResultWriter&) = delete;
  ResultWriter& operator=(const ResultWriter&) = delete;

  void Submit(NewResult result, Done done);
  // Commits everything submitted so far and stops taking more; later submissions fail.
  void Stop();

 private:
  void Run();

  ScoreStore& store_;
  std::function<void()> onCommit_;
  std::mutex mutex_;
  std::condition_variable wake_;
  std::vector<std::pair<NewResult, Done>> pending_;
  bool stopping_ = false;
  std::thread thread_;
};

}  // namespace vontra::scores
