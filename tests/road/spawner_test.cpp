#include <gtest/gtest.h>

#include "player/my_car_sprite.h"
#include "road/spawner.h"
#include "road/wall_sprite.h"
#include "support/race_world.h"

namespace vontra {
namespace {

RaceWorld::Options Quiet(uint32_t seed = 1) {
  RaceWorld::Options options;
  options.Spawn = false;
  options.Draw = false;
  options.Seed = seed;
  return options;
}

TEST(Spawner, TrackGrowsEverySecondRace) {
  const std::pair<int32_t, int32_t> cases[] = {{1, 15000}, {2, 15000}, {3, 28000},
                                               {4, 28000}, {5, 41000}, {6, 41000}};
  for (auto [race, length] : cases) EXPECT_EQ(TrackLength(race), length) << race;
}

TEST(Spawner, LaterRacesMultiplyEveryWeightOnce) {
  struct Case {
    int32_t index;
    uint8_t kind;
    double race1, race2;
  };
  const Case cases[] = {{1, 0, 0.0, 0.0},       {2, 1, 0.05, 0.06},    {11, 10, 0.3, 0.36},
                        {12, 11, 0.0, 0.0},     {16, 15, 0.02, 0.024}, {24, 23, 0.1, 0.12},
                        {25, 26, 0.005, 0.006}, {26, 27, 0.02, 0.028}, {56, 57, 0.02, 0.028}};
  RaceWorld world(Quiet());
  TMForm& form = world.Form();
  for (const Case& c : cases) {
    EXPECT_EQ(SpawnKind(c.index), c.kind);
    ComputeSpawnWeights(form, 1);
    EXPECT_DOUBLE_EQ(form.SpawnWeights[c.index], c.race1) << c.index;
    ComputeSpawnWeights(form, 2);
    EXPECT_DOUBLE_EQ(form.SpawnWeights[c.index], c.race2) << c.index;
    ComputeSpawnWeights(form, 9);
    EXPECT_DOUBLE_EQ(form.SpawnWeights[c.index], c.race2) << c.index;
  }
}

TEST(Spawner, NothingComesWhileTheCarStands) {
  RaceWorld::Options options = Quiet();
  options.Spawn = true;
  RaceWorld world(options);
  world.Run(3000);
  EXPECT_EQ(UsedRoadObjectCount(world.Form()), 0);
  EXPECT_EQ(world.Form().SpawnDistance, 0.0);
}

TEST(Spawner, ASpawnCycleCreatesAtMostTwoObjects) {
  for (uint32_t seed = 1; seed <= 20; ++seed) {
    RaceWorld world(Quiet(seed));
    TMForm& form = world.Form();
    TMyCarSprite& car = world.Car();
    // Every kind passes its test; traffic never; a crawl keeps the roadside pass quiet.
    for (int32_t i = 1; i <= kSpawnIndices; ++i) form.SpawnWeights[i] = i < 25 ? 1e12 : 0;
    car.Step = 1e-6;
    form.SpawnDistance = 101;
    SpawnerTick(form);
    EXPECT_EQ(form.SpawnCount, 2) << seed;
    EXPECT_EQ(UsedRoadObjectCount(form), 2) << seed;
    EXPECT_EQ(form.SpawnDistance, 0.0);
    // Only the first kinds in index order get their chance: bonuses, obstacles.
    for (int32_t s = 1; s <= 2; ++s) EXPECT_LT(form.RoadObjects[s]->Kind, 14) << seed;
    SpawnerTick(form);
    EXPECT_EQ(UsedRoadObjectCount(form), 2) << "no cycle before another 100 of Step";
  }
}

TEST(Spawner, FinishLineComesOnceAtTheTrackLengthAndStopsTheCyclesButNotTraffic) {
  RaceWorld world(Quiet());
  TMForm& form = world.Form();
  TMyCarSprite& car = world.Car();
  for (int32_t i = 1; i <= kSpawnIndices; ++i) form.SpawnWeights[i] = 1e12;
  car.Step = 1e-6;
  car.Distance = TrackLength(1) - 1;
  form.SpawnDistance = 0;
  SpawnerTick(form);
  EXPECT_FALSE(car.FinishSpawned);
  FreeAllRoadObjects(form);

  car.Distance = TrackLength(1);
  SpawnerTick(form);
  EXPECT_TRUE(car.FinishSpawned);
  ASSERT_EQ(UsedRoadObjectCount(form), 1) << "the finish ends the tick";
  EXPECT_EQ(form.RoadObjects[1]->Kind, 58);
  FreeAllRoadObjects(form);

  form.SpawnDistance = 500;
  SpawnerTick(form);
  int traffic = 0;
  for (int32_t s = 1; s <= kRoadObjectSlots; ++s) {
    if (!form.RoadObjects[s]) continue;
    const uint8_t kind = form.RoadObjects[s]->Kind;
    EXPECT_TRUE(kind >= 26 && kind <= 57) << "no cycle object after the finish: " << int(kind);
    ++traffic;
  }
  EXPECT_GT(traffic, 0);
  EXPECT_EQ(form.SpawnDistance, 500.0);
}

TEST(Spawner, FinishLineIsLostWhenEverySlotIsTaken) {
  RaceWorld world(Quiet());
  TMForm& form = world.Form();
  for (int s = 0; s < kRoadObjectSlots; ++s) world.Place(20, 128, -700 + 20 * s);
  world.Car().Distance = TrackLength(1);
  SpawnerTick(form);
  EXPECT_TRUE(world.Car().FinishSpawned);
  world.MovePass();
  EXPECT_EQ(form.FinishY, -100.0);
}

TEST(Spawner, PurgeRemovesWhatIsDone) {
  struct Case {
    const char* what;
    std::function<void(TWallSprite&)> setup;
    bool removed;
  };
  const Case cases[] = {
      {"far below", [](TWallSprite& o) { o.Y = 1000.5; }, true},
      {"at 1000", [](TWallSprite& o) { o.Y = 1000; }, false},
      {"far above", [](TWallSprite& o) { o.Y = -800.5; }, true},
      {"at -800", [](TWallSprite& o) { o.Y = -800; }, false},
      {"collected", [](TWallSprite& o) { o.Collected = true; }, true},
      {"explosion at its last frame",
       [](TWallSprite& o) {
         o.Wreck();
         o.FramePos = o.FrameCount - 1;
       },
       true},
      {"explosion playing",
       [](TWallSprite& o) {
         o.Wreck();
         o.FramePos = o.FrameCount - 1.5;
       },
       false},
      {"driven over", [](TWallSprite& o) { o.CollisionEnabled = false; }, false},
  };
  for (const Case& c : cases) {
    RaceWorld world(Quiet());
    TWallSprite& o = *world.Place(13, 300, 100);
    c.setup(o);
    PurgeRoadObjects(world.Form());
    EXPECT_EQ(UsedRoadObjectCount(world.Form()), c.removed ? 0 : 1) << c.what;
    EXPECT_EQ(world.Form().RoadObjects[1] == nullptr, c.removed) << c.what;
  }
}

}  // namespace
}  // namespace vontra
