#include "road/spawner.h"

#include <memory>

#include "app/race_state.h"
#include "player/my_car_sprite.h"
#include "road/wall_kinds.h"
#include "road/wall_sprite.h"

namespace vontra {
namespace {

// Spawn indices 1..24: kinds 0..23 (bonuses, obstacles, roadside).
constexpr double kBaseWeights[25] = {
    0,                                                           // unused
    0.0,  0.05, 0.05, 0.08, 0.05, 0.05, 0.025, 0.025,            // bonuses; no "Gun"
    0.05, 0.05, 0.3,  0.0,  0.05, 0.05,                          // obstacles; no "SpikesBig"
    0.1,  0.02, 0.05, 0.1,  0.1,  0.1,  0.1,   0.1,   0.1, 0.1,  // roadside
};
constexpr double kSameDirectionWeight = 0.005;
constexpr double kOncomingWeight = 0.02;
constexpr double kFactor = 1.2;
constexpr double kOncomingFactor = 1.4;

constexpr int32_t kFirstTrafficIndex = 25;

}  // namespace

int32_t TrackLength(int32_t race) {
  return 15000 + 13000 * ((race - 1) / 2);
}

double SpawnBaseWeight(int32_t index) {
  if (index < 1 || index > kSpawnIndices) return 0;
  if (index < kFirstTrafficIndex) return kBaseWeights[index];
  // Odd indices drive the player's way, even ones come towards it.
  return index % 2 == 1 ? kSameDirectionWeight : kOncomingWeight;
}

double SpawnFactor(int32_t index) {
  if (index >= kFirstTrafficIndex && index % 2 == 0) return kOncomingFactor;
  return kFactor;
}

uint8_t SpawnKind(int32_t index) {
  return static_cast<uint8_t>(index < kFirstTrafficIndex ? index - 1 : index + 1);
}

void ComputeSpawnWeights(RaceState& race, int32_t raceNumber) {
  for (int32_t i = 1; i <= kSpawnIndices; ++i) {
    race.SpawnWeights[i] =
        raceNumber == 1 ? SpawnBaseWeight(i) : SpawnBaseWeight(i) * SpawnFactor(i);
  }
}

TWallSprite* PlaceRoadObject(RaceState& race, uint8_t kind) {
  int32_t slot = 1;
  while (slot <= kRoadObjectSlots && race.RoadObjects[slot]) ++slot;
  if (slot > kRoadObjectSlots) return nullptr;
  race.RoadObjects[slot] = std::make_unique<TWallSprite>(race, kind, slot);
  return race.RoadObjects[slot].get();
}

void FreeRoadObject(RaceState& race, int32_t slot) {
  race.RoadObjects[slot].reset();
}

void SpawnObject(RaceState& race, uint8_t kind) {
  TWallSprite* object = PlaceRoadObject(race, kind);
  if (!object) return;
  if (object->Overlaps) {
    FreeRoadObject(race, object->Slot);
    return;
  }
  race.SpawnCount += 1;
}

void SpawnerTick(RaceState& race) {
  TMyCarSprite* car = race.PlayerCar.get();
  if (!car) return;
  GameRandom& random = race.Random;
  const double step = car->Step;

  // Roadside pass: about Speed / 12000 per kind and frame.
  const double roadside = 0.2 * (1.0 / race.SpeedFactor) * (step / 600) * 0.5 * 0.5;
  for (uint8_t kind = 14; kind <= 23; ++kind) {
    if (random.Chance(roadside)) SpawnObject(race, kind);
  }

  const double c = step / 60 * 0.5 * 0.5 * 0.5;
  if (TrackLength(race.Level) <= car->Distance && !car->FinishSpawned) {
    SpawnObject(race, ToInt(RoadObjectKinds::kFinishLine));
    car->FinishSpawned = true;
    return;
  }
  // A cycle each time the summed Step passes 100, at most two objects per cycle.
  if (!car->FinishSpawned && race.SpawnDistance > 100) {
    race.SpawnDistance = 0;
    race.SpawnCount = 0;
    for (int32_t i = 1; i < kFirstTrafficIndex; ++i) {
      if (random.Chance(race.SpawnWeights[i] * c / 2)) SpawnObject(race, SpawnKind(i));
      if (race.SpawnCount >= 2) break;
    }
  }
  // Traffic keeps coming until the race ends.
  for (int32_t i = kFirstTrafficIndex; i <= kSpawnIndices; ++i) {
    if (random.Chance(race.SpawnWeights[i] * c / 3)) SpawnObject(race, SpawnKind(i));
  }
}

void PurgeRoadObjects(RaceState& race) {
  for (int32_t s = 1; s <= kRoadObjectSlots; ++s) {
    if (!race.RoadObjects[s]) continue;
    const TWallSprite* o = race.RoadObjects[s].get();
    const double a = o->FramePos;
    const double n = o->FrameCount;
    const bool done = (a >= n - 1 && !o->CollisionEnabled && a > 0) || o->Y > 1000 || o->Y < -800 ||
                      o->Collected || (o->Wrecked && a >= n - 1);
    if (done) FreeRoadObject(race, s);
  }
}

void FreeAllRoadObjects(RaceState& race) {
  for (int32_t s = 1; s <= kRoadObjectSlots; ++s) {
    if (race.RoadObjects[s]) FreeRoadObject(race, s);
  }
}

int32_t UsedRoadObjectCount(const RaceState& race) {
  int32_t n = 0;
  for (int32_t s = 1; s <= kRoadObjectSlots; ++s) n += race.RoadObjects[s] ? 1 : 0;
  return n;
}

}  // namespace vontra
