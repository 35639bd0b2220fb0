#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace vontra::forge {

constexpr int kEffectRate = 44100;

struct Effect {
  std::string name;
  bool looped = false;
  int32_t maxPlayingCount = 0;
  std::vector<int16_t> samples;  // mono, kEffectRate
};

// The game's sixteen sound effects, levels matched.
std::vector<Effect> MakeEffects();

}  // namespace vontra::forge
