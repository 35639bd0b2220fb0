#pragma once
// Level generation: every race is made while it is driven. Each race frame the spawner decides
// at random, weighted per kind and scaled by the player's speed, which road objects appear above
// the screen, places the finish line after the race's track length and purges finished objects.
#include <cstdint>

namespace vontra {

class TMForm;

// Road pixels from the start to the finish line of race n.
int32_t TrackLength(int32_t race);
// Base weight and later-race factor of spawn index i (1..56).
double SpawnBaseWeight(int32_t index);
double SpawnFactor(int32_t index);
// Road-object kind of spawn index i (1..56): kinds 24 and 25 are skipped.
uint8_t SpawnKind(int32_t index);

void ComputeSpawnWeights(TMForm& form, int32_t race);
// Puts a new object of `kind` in the lowest free slot; an object touching another is discarded.
void SpawnObject(TMForm& form, uint8_t kind);
void SpawnerTick(TMForm& form);
void PurgeRoadObjects(TMForm& form);
void FreeAllRoadObjects(TMForm& form);
int32_t UsedRoadObjectCount(const TMForm& form);

}  // namespace vontra
