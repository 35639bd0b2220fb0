#pragma once
#include <cstddef>
#include <cstdint>

namespace vontra {

struct SoakSettings {
  int Races = 6;
  uint32_t Seed = 1;
  int FrameRate = 60;
  // The heap is expected to stay flat after this many games and a tenth of the races, within
  // the margin.
  int WarmupGames = 2;
  size_t HeapMargin = 1 << 20;
  // Frames without a new race before the run counts as stuck.
  int64_t StuckFrames = 30000;
};

// Plays games back to back with the autopilot until `Races` races have started, checking
// after every game that the sprite tree is back to its size and the heap is flat. Prints one
// line per game and a summary; returns the process exit code.
int RunSoak(const SoakSettings& settings);

}  // namespace vontra
