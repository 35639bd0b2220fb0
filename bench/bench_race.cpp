#include <benchmark/benchmark.h>
#include <gtest/gtest.h>

#include "player/bullets.h"
#include "player/my_car_sprite.h"
#include "road/spawner.h"
#include "road/wall_sprite.h"
#include "support/race_world.h"

namespace vontra {
namespace {

// Tops the world up to 30 road objects spread over the road and 30 shots in the pool.
void FillWorld(RaceWorld& world) {
  TMForm& form = world.Form();
  static constexpr uint8_t kKinds[] = {26, 27, 30, 13, 4, 10, 33, 20, 36, 8};
  int n = 0;
  while (UsedRoadObjectCount(form) < kRoadObjectSlots) {
    const int column = n % 5;
    const int row = (n / 5) % 6;
    world.Place(kKinds[n % 10], 175 + column * 88, -200 + row * 110);
    ++n;
  }
  TBullets& pool = world.Bullets();
  for (int i = 0; pool.ActiveCount() < kShotSlots; ++i) {
    pool.AddShot(0, static_cast<ShotKinds>(i % 3), 180 + (i * 37) % 420, 50 + (i * 53) % 500, 30,
                 static_cast<ShotOwners>(i % 2));
  }
}

void BM_RaceWorldMove(benchmark::State& state) {
  RaceWorld::Options options;
  options.Draw = false;
  options.Check = false;
  options.Lives = 1000000;
  RaceWorld world(options);
  world.Car().Speed = kCarMaxSpeed;
  const RaceControls controls{.Accelerate = true, .Fire = true};
  for (auto _ : state) {
    state.PauseTiming();
    FillWorld(world);
    if (world.Car().State != CarStates::kDriving) world.Car().Respawn();
    state.ResumeTiming();
    world.Step(controls);
  }
}
BENCHMARK(BM_RaceWorldMove)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace vontra
