#pragma once

namespace vontra {

struct PixelRect {
  int X = 0;
  int Y = 0;
  int Width = 0;
  int Height = 0;
};

// The largest whole multiple of the 800 x 600 picture whose window, frame included, fits a
// desktop area of this size; at least 1.
int StartScale(int usableWidth, int usableHeight);

// The window's client size at a scale: the picture and, as the game's window always had, one
// line more.
int ClientWidth(int scale);
int ClientHeight(int scale);

// Whether a window at `window` shows enough of itself on `area` to be found and dragged
// back by its title bar.
bool ReachableOn(const PixelRect& window, const PixelRect& area);

// Whether the picture is shown at a whole multiple of its size in an output of this size
// (with bars on two sides at most): such a picture is drawn with whole pixels, any other
// size smoothly.
bool WholeMultiple(int outputWidth, int outputHeight);

}  // namespace vontra
