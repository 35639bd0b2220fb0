// The read path's bounds: the pool refuses when full, the page cache keeps to its memory and
// renders a page once for requests that miss it together.
#include <gtest/gtest.h>

#include <atomic>
#include <future>
#include <thread>

#include "page_cache.h"
#include "work_pool.h"

namespace vontra::scores {
namespace {

TEST(WorkPool, RefusesAtOnceWhenTheQueueIsFullAndRunsWhatItTook) {
  std::promise<void> release;
  std::shared_future<void> released = release.get_future().share();
  std::atomic<int> ran{0};
  {
    WorkPool pool(1, 2);
    std::promise<void> started;
    ASSERT_TRUE(pool.TrySubmit([&] {
      started.set_value();
      released.wait();
      ++ran;
    }));
    started.get_future().wait();  // the one thread is busy
    EXPECT_TRUE(pool.TrySubmit([&] { ++ran; }));
    EXPECT_TRUE(pool.TrySubmit([&] { ++ran; }));
    EXPECT_FALSE(pool.TrySubmit([&] { ++ran; }));  // two waiting: full
    release.set_value();
  }
  EXPECT_EQ(ran, 3);
}

TEST(PageCache, ConcurrentMissesRenderOnce) {
  PageCache cache(1 << 20);
  std::atomic<int> renders{0};
  std::promise<void> rendering, finish;
  std::shared_future<void> finished = finish.get_future().share();
  auto first = std::async(std::launch::async, [&] {
    return cache.Get("p", 1, [&] {
      ++renders;
      rendering.set_value();
      finished.wait();
      return std::string("page");
    });
  });
  rendering.get_future().wait();
  auto second = std::async(std::launch::async, [&] {
    return cache.Get("p", 1, [&] {
      ++renders;
      return std::string("other");
    });
  });
  std::this_thread::sleep_for(std::chrono::milliseconds(50));  // let it reach the wait
  finish.set_value();
  EXPECT_EQ(first.get(), second.get());
  EXPECT_EQ(renders, 1);
  // A newer version is a miss; the old one is gone.
  EXPECT_EQ(*cache.Get("p", 2, [] { return std::string("new"); }), "new");
  EXPECT_EQ(cache.Find("p", 1), nullptr);
}

TEST(PageCache, AFailedRenderReachesEveryCallerAndIsNotKept) {
  PageCache cache(1 << 20);
  EXPECT_THROW(cache.Get("p", 1, []() -> std::string { throw std::runtime_error("down"); }),
               std::runtime_error);
  EXPECT_EQ(*cache.Get("p", 1, [] { return std::string("up"); }), "up");
}

TEST(PageCache, KeepsToItsMemoryDroppingTheLeastRecentlyUsed) {
  PageCache cache(1000);
  const std::string body(95, 'x');
  for (int i = 0; i < 30; ++i) cache.Get("k" + std::to_string(i), 1, [&] { return body; });
  EXPECT_LE(cache.Bytes(), 1000u);
  EXPECT_GE(cache.Bytes(), 800u);
  EXPECT_EQ(cache.Find("k0", 1), nullptr);
  EXPECT_NE(cache.Find("k29", 1), nullptr);
  // Using an old page keeps it over newer ones.
  ASSERT_NE(cache.Find("k25", 1), nullptr);
  for (int i = 30; i < 38; ++i) cache.Get("k" + std::to_string(i), 1, [&] { return body; });
  EXPECT_NE(cache.Find("k25", 1), nullptr);
  EXPECT_EQ(cache.Find("k26", 1), nullptr);
}

}  // namespace
}  // namespace vontra::scores
