#pragma once
// Level generation: every race is made while it is driven. Each race frame the spawner decides
// at random, weighted per kind and scaled by the player's speed, which road objects appear above
// the screen, places the finish line after the race's track length and purges finished objects.
#include <cstdint>

namespace vontra {

class RaceState;
class TWallSprite;

// Road pixels from the start to the finish line of race n.
int32_t TrackLength(int32_t race);
// Base weight and later-race factor of spawn index i (1..56).
double SpawnBaseWeight(int32_t index);
double SpawnFactor(int32_t index);
// Road-object kind of spawn index i (1..56): kinds 24 and 25 are skipped.
uint8_t SpawnKind(int32_t index);

void ComputeSpawnWeights(RaceState& race, int32_t raceNumber);
// The road-object slots are claimed here and freed here, nowhere else: the lowest free slot gets
// a new object of `kind`, which the slot owns (none when all 30 are taken); freeing destroys the
// object and empties its slot.
TWallSprite* PlaceRoadObject(RaceState& race, uint8_t kind);
void FreeRoadObject(RaceState& race, int32_t slot);
// Places a new object of `kind`; an object touching another is discarded.
void SpawnObject(RaceState& race, uint8_t kind);
void SpawnerTick(RaceState& race);
void PurgeRoadObjects(RaceState& race);
void FreeAllRoadObjects(RaceState& race);
int32_t UsedRoadObjectCount(const RaceState& race);

}  // namespace vontra
