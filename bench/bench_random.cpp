#include <benchmark/benchmark.h>

#include "app/game_random.h"

namespace {

void BM_GameRandom(benchmark::State& state) {
  vontra::GameRandom random;
  random.Seed(1);
  for (auto _ : state) benchmark::DoNotOptimize(random.Next(32768));
}
BENCHMARK(BM_GameRandom);

}  // namespace
