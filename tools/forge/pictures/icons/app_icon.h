#pragma once

// The desktop icon: the player's red car seen from above on a stretch of road, in the same
// hand as the game's pictures. Small sizes leave out the detail that would only turn to mud.

#include <cairo.h>

#include <string>

namespace vontra::forge {

// The sizes a desktop asks for in the hicolor theme.
inline constexpr int kAppIconSizes[] = {16, 24, 32, 48, 64, 128, 256};

// Paints a size x size icon with a transparent surround onto cr (origin top left).
void PaintAppIcon(cairo_t* cr, int size);

// Draws the icon and writes it as a PNG with alpha; throws std::runtime_error on failure.
void WriteAppIcon(int size, const std::string& path);

}  // namespace vontra::forge
