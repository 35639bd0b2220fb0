#include <gtest/gtest.h>

#include "player/bullets.h"
#include "player/my_car_sprite.h"
#include "road/spawner.h"
#include "support/race_world.h"

namespace vontra {
namespace {

// A player who keeps the pedal down, weaves across the road, brakes now and then and fires in
// long bursts.
RaceControls ScriptedControls(int frame, int frameRate) {
  const int t = frame * 85 / frameRate;  // the script runs on 85-a-second time
  RaceControls c;
  c.Accelerate = t % 900 < 820;
  c.Brake = t % 900 >= 860;
  c.Left = t % 240 < 60;
  c.Right = t % 240 >= 120 && t % 240 < 170;
  c.Fire = t % 300 < 220;
  return c;
}

struct SimResult {
  int racesFinished;
  int finishSounds;
  int maxObjects;
  int maxShots;
  int32_t score;
  double distance;
  uint32_t randomState;
};

// `spawn` off leaves the road empty: the only shots are the player's own basic gun's.
SimResult Simulate(int frameRate, uint32_t seed, int seconds, bool spawn = true) {
  RaceWorld::Options options;
  options.FrameRate = frameRate;
  options.Seed = seed;
  options.Spawn = spawn;
  options.Lives = 1000000;  // the run is about the world, not about the end of the game
  RaceWorld world(options);
  SimResult result{};
  for (int frame = 0; frame < seconds * frameRate; ++frame) {
    if (!world.Step(ScriptedControls(frame, frameRate))) break;
    result.maxObjects = std::max(result.maxObjects, UsedRoadObjectCount(world.Form()));
    result.maxShots = std::max(result.maxShots, world.Bullets().ActiveCount());
  }
  result.racesFinished = world.RacesFinished();
  result.finishSounds = world.SoundCount("Finish");
  result.score = world.Form().Score;
  result.distance = world.Car().Distance;
  result.randomState = world.Form().Random.State();
  return result;
}

TEST(RaceWorldSimulation, MinutesOfRacingKeepTheBookkeepingWhole) {
  for (int frameRate : {60, 85}) {
    const SimResult r = Simulate(frameRate, 20261210, 180);
    EXPECT_GE(r.racesFinished, 1) << frameRate;
    // The game's finish step: one fanfare a line crossed, the last race maybe still braking.
    EXPECT_GE(r.finishSounds, r.racesFinished) << frameRate;
    EXPECT_LE(r.finishSounds, r.racesFinished + 1) << frameRate;
    EXPECT_GE(r.maxObjects, 10) << frameRate;
    // More shots at once than the basic gun keeps in the air on an empty road: traffic fire or
    // a bonus weapon shared the pool.
    const SimResult emptyRoad = Simulate(frameRate, 20261210, 20, false);
    EXPECT_GT(r.maxShots, emptyRoad.maxShots) << frameRate;
    EXPECT_GT(r.score, 0) << frameRate;
  }
}

TEST(RaceWorldSimulation, SameSeedSameRace) {
  const SimResult a = Simulate(85, 7, 40);
  const SimResult b = Simulate(85, 7, 40);
  EXPECT_EQ(a.score, b.score);
  EXPECT_EQ(a.distance, b.distance);
  EXPECT_EQ(a.randomState, b.randomState);
  const SimResult c = Simulate(85, 8, 40);
  EXPECT_NE(a.randomState, c.randomState);
}

}  // namespace
}  // namespace vontra
