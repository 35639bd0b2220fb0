#pragma once

// Emblems of the bonuses, shared by the bonus pickups and the instrument bay lights.

#include "canvas.h"

namespace vontra::forge {

enum class Emblem { Gun, Gun2, Rockets, Rockets2, MegaBomb, Energy, Engine, Shield };

// Draws the emblem centred on (cx, cy), about 20 * scale pixels across.
void PaintEmblem(cairo_t* cr, Emblem e, double cx, double cy, double scale);
// The badge colour of each bonus.
Rgb EmblemColour(Emblem e);

}  // namespace vontra::forge
