#pragma once

// Vehicles seen from above, nose up, painted into a w x h box at the origin.

#include "canvas.h"

namespace vontra::forge {

enum class Body {
  Racer,  // the player's cars
  Sedan,
  Hatch,
  Sports,
  Police,
  Taxi,
  Pickup,
  Van,
  Ambulance,
  Bus,
  Truck,
  Tanker,
  Armoured,  // wheeled armoured car
  Apc,       // armoured personnel carrier with a turret ring
};

struct Vehicle {
  Body body = Body::Sedan;
  Rgb paint = Hex(0xc83030);
  Rgb accent = Hex(0xf0f0f0);  // stripes, bands, cargo
  int variant = 0;             // small shape differences within a body
  bool dusty = false;          // parked cars: duller paint, no lights lit
};

void PaintVehicle(cairo_t* cr, const Vehicle& v, double w, double h);

// The four player cars (models 1..4).
Vehicle PlayerCar(int model);

}  // namespace vontra::forge
