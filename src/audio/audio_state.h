#pragma once
#include <cstdint>

namespace vontra {

// Music control's share of the game state.
struct AudioState {
  int32_t SongHandle = 0;
  int32_t LastSongOrder = 0;
};

}  // namespace vontra
