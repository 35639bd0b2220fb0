#include "result_writer.h"

#include <cstdio>
#include <exception>

namespace vontra::scores {

ResultWriter::ResultWriter(ScoreStore& store, std::function<void()> onCommit)
    : store_(store), onCommit_(std::move(onCommit)), thread_([this] { Run(); }) {}

ResultWriter::~ResultWriter() {
  Stop();
}

void ResultWriter::Submit(NewResult result, Done done) {
  {
    std::lock_guard lock(mutex_);
    if (!stopping_) {
      pending_.emplace_back(std::move(result), std::move(done));
      wake_.notify_one();
      return;
    }
  }
  done(false);
}

void ResultWriter::Stop() {
  {
    std::lock_guard lock(mutex_);
    stopping_ = true;
    wake_.notify_one();
  }
  if (thread_.joinable()) thread_.join();
}

void ResultWriter::Run() {
  std::vector<std::pair<NewResult, Done>> batch;
  std::vector<NewResult> results;
  for (;;) {
    {
      std::unique_lock lock(mutex_);
      wake_.wait(lock, [this] { return stopping_ || !pending_.empty(); });
      if (pending_.empty()) return;  // stopping with nothing left
      batch.swap(pending_);
    }
    results.clear();
    for (auto& [result, done] : batch) results.push_back(std::move(result));
    bool committed = true;
    try {
      store_.Add(results);
    } catch (const std::exception& e) {
      std::fprintf(stderr, "vontra-scores: storing %zu results failed: %s\n", results.size(),
                   e.what());
      committed = false;
    }
    if (committed) onCommit_();
    for (auto& [result, done] : batch) done(committed);
    batch.clear();
  }
}

}  // namespace vontra::scores
