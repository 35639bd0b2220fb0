// The player's cars with their turbo engines and weapons, the traffic and the parked cars.

#include <cmath>
#include <string>

#include "picture_set.h"
#include "vehicles.h"

namespace vontra::forge {

namespace {

struct TrafficModel {
  int number;
  Vehicle vehicle;
};

// Sixteen vehicles; the weak ones (10 hit points) are the small unarmed cars 6 and 12, the
// strong ones (30) the big and armoured vehicles.
const TrafficModel kTraffic[] = {
    {5, {Body::Sedan, Hex(0xc0392b), Hex(0xf0f0f0), 0, false}},
    {6, {Body::Hatch, Hex(0xf0b81c), Hex(0xf0f0f0), 0, false}},
    {7, {Body::Police, Hex(0xf2f2f4), Hex(0x1a2c6e), 0, false}},
    {8, {Body::Taxi, Hex(0xffcc1a), Hex(0x202020), 0, false}},
    {9, {Body::Pickup, Hex(0x2e8b57), Hex(0xf0f0f0), 0, false}},
    {10, {Body::Armoured, Hex(0x5f6b3a), Hex(0x9a8a5a), 0, false}},
    {11, {Body::Van, Hex(0xe8e8ec), Hex(0x2a7ad8), 0, false}},
    {12, {Body::Hatch, Hex(0x3fb6d8), Hex(0xf0f0f0), 1, false}},
    {13, {Body::Sports, Hex(0xff6a00), Hex(0x202020), 0, false}},
    {14, {Body::Sedan, Hex(0x7a4bc4), Hex(0xf0f0f0), 1, false}},
    {15, {Body::Ambulance, Hex(0xf4f4f6), Hex(0xe02020), 0, false}},
    {16, {Body::Bus, Hex(0xf09a18), Hex(0x2050b0), 0, false}},
    {17, {Body::Truck, Hex(0x2859b8), Hex(0xd8dce4), 0, false}},
    {18, {Body::Apc, Hex(0x55613a), Hex(0x8d7f52), 1, false}},
    {19, {Body::Tanker, Hex(0xd02828), Hex(0xc8ccd4), 0, false}},
    {20, {Body::Armoured, Hex(0x44505a), Hex(0x6a7680), 2, false}},
};

void DrawVehiclePicture(PictureSet& set, const std::string& name, const Vehicle& v, bool down) {
  Picture& p = set.Make(name);
  const double w = p.frame_width(), h = p.frame_height();
  p.DrawEachFrameSame([&](cairo_t* cr) {
    if (down) {
      // Oncoming: the same vehicle mirrored nose down; left and right stay, so the light
      // still falls from the left.
      cairo_translate(cr, 0, h);
      cairo_scale(cr, 1, -1);
    }
    PaintVehicle(cr, v, w, h);
  });
}

// Turbo engine block over the rear half: blower, intake and two exhaust pipes.
void DrawTurbo(PictureSet& set, const char* name, Rgb colour) {
  Picture& p = set.Make(name);
  p.DrawEachFrameSame([&](cairo_t* cr) {
    const double w = 24, cx = 12;
    // Exhaust pipes reaching to the bottom edge, under the flames.
    for (double x : {cx - 7, cx + 7}) {
      RoundedRect(cr, x - 2, 26, 4, 13.5, 1.5);
      FillLitAcross(cr, Hex(0xa8acb4), x - 2, 26, 4, 13.5, 0.9);
      cairo_arc(cr, x, 37.5, 1.2, 0, 2 * M_PI);
      SetRgb(cr, Hex(0x1a1a20));
      cairo_fill(cr);
    }
    // Engine block.
    RoundedRect(cr, 3, 8, w - 6, 22, 3);
    FillLit(cr, colour, 3, 8, w - 6, 22, 1.2);
    SetRgb(cr, Shade(colour, -0.45));
    for (int i = 0; i < 5; ++i) cairo_rectangle(cr, 5, 12 + i * 3.5, w - 10, 1.2);
    cairo_fill(cr);
    // Blower with intake scoop on top.
    RoundedRect(cr, cx - 5, 1, 10, 12, 2);
    FillLit(cr, Hex(0xc8ccd4), cx - 5, 1, 10, 12, 1);
    RoundedRect(cr, cx - 3.5, 2.5, 7, 4, 1);
    SetRgb(cr, Hex(0x1c1c22));
    cairo_fill(cr);
    Gloss(cr, 3, 8, w - 6, 22, 0.4);
  });
}

// Weapons seen from above; `up` false gives the oncoming versions, barrels pointing down.
void DrawGun(PictureSet& set, const char* name, bool turret, bool up) {
  Picture& p = set.Make(name);
  const double w = p.frame_width(), h = p.frame_height();
  p.DrawEachFrameSame([&](cairo_t* cr) {
    if (!up) {
      cairo_translate(cr, 0, h);
      cairo_scale(cr, 1, -1);
    }
    const double cx = w / 2;
    const Rgb steel = Hex(0x5a606c);
    if (turret) {
      // Barrel from the top edge to a round turret at the bottom.
      RoundedRect(cr, cx - 1.6, 0.5, 3.2, h - 9, 1);
      FillLitAcross(cr, Hex(0x7a808c), cx - 1.6, 0.5, 3.2, h - 9, 0.9);
      RoundedRect(cr, cx - 2.4, 0.3, 4.8, 3.5, 1);
      FillLit(cr, Hex(0x3a3e46), cx - 2.4, 0.3, 4.8, 3.5, 0.8);
      cairo_arc(cr, cx, h - 6, 5.3, 0, 2 * M_PI);
      FillLit(cr, steel, cx - 5.3, h - 11.3, 10.6, 10.6, 1.1);
      cairo_arc(cr, cx, h - 6, 2.2, 0, 2 * M_PI);
      SetRgb(cr, Hex(0x2a2e36));
      cairo_fill(cr);
      Gloss(cr, cx - 5, h - 11, 10, 10, 0.5);
    } else {
      // Flank gun: a slim housing with the barrel forward.
      RoundedRect(cr, cx - 1.2, 0.5, 2.4, h * 0.55, 0.8);
      FillLitAcross(cr, Hex(0x7a808c), cx - 1.2, 0.5, 2.4, h * 0.55, 0.8);
      RoundedRect(cr, 0.7, h * 0.4, w - 1.4, h * 0.58, 2);
      FillLit(cr, steel, 0.7, h * 0.4, w - 1.4, h * 0.58, 1);
      Gloss(cr, 0.7, h * 0.4, w - 1.4, h * 0.58, 0.45);
    }
  });
}

void DrawLauncher(PictureSet& set, const char* name, int tubes, bool up) {
  Picture& p = set.Make(name);
  const double w = p.frame_width(), h = p.frame_height();
  p.DrawEachFrameSame([&](cairo_t* cr) {
    if (!up) {
      cairo_translate(cr, 0, h);
      cairo_scale(cr, 1, -1);
    }
    // Pod with rocket noses peeking out of its tubes.
    RoundedRect(cr, 0.7, 3, w - 1.4, h - 3.7, 2);
    FillLit(cr, Hex(0x5e6a4a), 0.7, 3, w - 1.4, h - 3.7, 1.1);
    double tw = (w - 3) / tubes;
    for (int i = 0; i < tubes; ++i) {
      double tx = 1.5 + i * tw;
      RoundedRect(cr, tx + 0.4, 0.5, tw - 0.8, 6, tw / 2);
      FillLitAcross(cr, Hex(0xd83a2a), tx + 0.4, 0.5, tw - 0.8, 6, 0.7);
      SetRgb(cr, Hex(0x2a2e22));
      cairo_rectangle(cr, tx + 0.6, 6.5, tw - 1.2, 1);
      cairo_fill(cr);
    }
    // Stencil band.
    SetRgb(cr, Hex(0xf2c230));
    cairo_rectangle(cr, 1.5, h - 6, w - 3, 1.5);
    cairo_fill(cr);
    Gloss(cr, 0.7, 3, w - 1.4, h - 3.7, 0.4);
  });
}

}  // namespace

void DrawCars(PictureSet& set) {
  for (int m = 1; m <= 4; ++m) {
    DrawVehiclePicture(set, "Car" + std::to_string(m), PlayerCar(m), false);
  }
  DrawTurbo(set, "CarEngineRed", Hex(0xd42020));
  DrawTurbo(set, "CarEngineBlue", Hex(0x2060e0));
  DrawTurbo(set, "CarEngineYellow", Hex(0xf2c000));

  DrawGun(set, "MG_Top", true, true);
  DrawGun(set, "MG_Left", false, true);
  DrawGun(set, "MG_Right", false, true);
  DrawGun(set, "MG_Top_I", true, false);
  DrawGun(set, "MG_Left_I", false, false);
  DrawGun(set, "MG_Right_I", false, false);
  DrawLauncher(set, "R_Top", 3, true);
  DrawLauncher(set, "R_Left", 2, true);
  DrawLauncher(set, "R_Right", 2, true);
  DrawLauncher(set, "R_Top_I", 3, false);
  DrawLauncher(set, "R_Left_I", 2, false);
  DrawLauncher(set, "R_Right_I", 2, false);

  for (const TrafficModel& t : kTraffic) {
    DrawVehiclePicture(set, "Car" + std::to_string(t.number), t.vehicle, false);
    DrawVehiclePicture(set, "Car" + std::to_string(t.number) + "_Inv", t.vehicle, true);
  }
  // Parked at the roadside: dusty, lights off.
  DrawVehiclePicture(set, "CarLeft", {Body::Sedan, Hex(0x6a8aa0), Hex(0xf0f0f0), 0, true}, true);
  DrawVehiclePicture(set, "CarRight", {Body::Hatch, Hex(0xa05a3a), Hex(0xf0f0f0), 0, true}, false);
}

}  // namespace vontra::forge
