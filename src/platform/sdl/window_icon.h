#pragma once
#include <SDL.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vontra {

struct IconPixels {
  int Width = 0;
  int Height = 0;
  std::vector<uint8_t> Rgba;  // rows top to bottom, 4 bytes a pixel
};

// A PNG file's pixels, or nothing when the file is missing, broken or not a small square.
std::optional<IconPixels> ReadIconFile(const std::string& path);

// Where the game's icon is looked for: the build tree's icons beside the program, then the
// installed package's icon theme, relative to the program's folder.
std::vector<std::string> IconCandidates(const std::string& programFolder);

// Gives the window the game's own icon; without one found the window keeps the desktop's.
void SetWindowIcon(SDL_Window* window);

}  // namespace vontra
