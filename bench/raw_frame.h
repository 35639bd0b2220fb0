#pragma once
// A race frame reduced to its pixel work: where each picture goes, with pointers straight into
// the prepared pixels, and the loops that draw it onto a bare RGB565 array. It shares no
// drawing code with the game, so timing it gives the floor the game's frame is measured against.
#include <cstdint>
#include <variant>
#include <vector>

namespace vontra::bench {

// One frame of a picture: its first pixel, the row stride, its size and its colour key.
struct RawImage {
  const uint16_t* Pixels = nullptr;
  int Stride = 0;
  int Width = 0;
  int Height = 0;
  bool Keyed = false;
  uint16_t Key = 0;
};

struct RawBlit {
  RawImage Image;
  int X = 0, Y = 0;
};

// A picture scaled to Width x Height and turned clockwise by Angle/256 of a turn about the
// pivot (PivotX * Width, PivotY * Height), which lands on (X, Y).
struct RawTurn {
  RawImage Image;
  int X = 0, Y = 0, Width = 0, Height = 0;
  double PivotX = 0, PivotY = 0, Angle = 0;
};

// A coverage mask (0 clear .. 255 solid) drawn in one colour.
struct RawText {
  const uint8_t* Alpha = nullptr;
  int Width = 0, Height = 0, X = 0, Y = 0;
  uint8_t R = 0, G = 0, B = 0;
};

// The frame's drawing steps in the order the game draws them.
using RawFrame = std::vector<std::variant<RawBlit, RawTurn, RawText>>;

// Clears the array to black and draws the frame.
void DrawRawFrame(const RawFrame& frame, uint16_t* pixels, int width, int height);

}  // namespace vontra::bench
