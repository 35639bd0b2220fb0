#include "road/spawner.h"

#include "app/mform.h"
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

void ComputeSpawnWeights(TMForm& form, int32_t race) {
  for (int32_t i = 1; i <= kSpawnIndices; ++i) {
    form.SpawnWeights[i] = race == 1 ? SpawnBaseWeight(i) : SpawnBaseWeight(i) * SpawnFactor(i);
  }
}

void SpawnObject(TMForm& form, uint8_t kind) {
  int32_t slot = 1;
  while (slot <= kRoadObjectSlots && form.RoadObjectUsed[slot]) ++slot;
  if (slot > kRoadObjectSlots) return;
  form.RoadObjectUsed[slot] = true;
  auto* object = new TWallSprite(form, kind, slot);
  form.RoadObjects[slot] = object;
  if (object->Overlaps) {
    delete object;  // frees the slot again
    return;
  }
  form.SpawnCount += 1;
}

void SpawnerTick(TMForm& form) {
  TMyCarSprite* car = form.PlayerCar;
  if (!car) return;
  GameRandom& random = form.Random;
  const double step = car->Step;

  // Roadside pass: about Speed / 12000 per kind and frame.
  const double roadside = 0.2 * (1.0 / form.SpeedFactor) * (step / 600) * 0.5 * 0.5;
  for (uint8_t kind = 14; kind <= 23; ++kind) {
    if (random.Chance(roadside)) SpawnObject(form, kind);
  }

  const double c = step / 60 * 0.5 * 0.5 * 0.5;
  if (TrackLength(form.Level) <= car->Distance && !car->FinishSpawned) {
    SpawnObject(form, ToInt(RoadObjectKinds::kFinishLine));
    car->FinishSpawned = true;
    return;
  }
  // A cycle each time the summed Step passes 100, at most two objects per cycle.
  if (!car->FinishSpawned && form.SpawnDistance > 100) {
    form.SpawnDistance = 0;
    form.SpawnCount = 0;
    for (int32_t i = 1; i < kFirstTrafficIndex; ++i) {
      if (random.Chance(form.SpawnWeights[i] * c / 2)) SpawnObject(form, SpawnKind(i));
      if (form.SpawnCount >= 2) break;
    }
  }
  // Traffic keeps coming until the race ends.
  for (int32_t i = kFirstTrafficIndex; i <= kSpawnIndices; ++i) {
    if (random.Chance(form.SpawnWeights[i] * c / 3)) SpawnObject(form, SpawnKind(i));
  }
}

void PurgeRoadObjects(TMForm& form) {
  for (int32_t s = 1; s <= kRoadObjectSlots; ++s) {
    if (!form.RoadObjectUsed[s]) continue;
    TWallSprite* o = form.RoadObjects[s];
    const double a = o->FramePos;
    const double n = o->FrameCount;
    const bool done = (a >= n - 1 && !o->CollisionEnabled && a > 0) || o->Y > 1000 || o->Y < -800 ||
                      o->Collected || (o->Wrecked && a >= n - 1);
    if (done) delete o;
  }
}

void FreeAllRoadObjects(TMForm& form) {
  for (int32_t s = 1; s <= kRoadObjectSlots; ++s) {
    if (!form.RoadObjectUsed[s]) continue;
    delete form.RoadObjects[s];
    form.RoadObjects[s] = nullptr;
    form.RoadObjectUsed[s] = false;
  }
}

int32_t UsedRoadObjectCount(const TMForm& form) {
  int32_t n = 0;
  for (int32_t s = 1; s <= kRoadObjectSlots; ++s) n += form.RoadObjectUsed[s] ? 1 : 0;
  return n;
}

}  // namespace vontra
