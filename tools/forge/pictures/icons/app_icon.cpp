#include "app_icon.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "canvas.h"
#include "vehicles.h"

namespace vontra::forge {
namespace {

// The icon is designed on a 64-unit grid and scaled to each size.
constexpr double kGrid = 64;
constexpr double kTileInset = 2, kTileRadius = 12;
constexpr double kVergeRight = 13, kKerbWidth = 3;

void TilePath(cairo_t* cr) {
  RoundedRect(cr, kTileInset, kTileInset, kGrid - 2 * kTileInset, kGrid - 2 * kTileInset,
              kTileRadius);
}

void PaintVerges(cairo_t* cr) {
  for (double x : {0.0, kGrid - kVergeRight}) {
    cairo_pattern_t* g = cairo_pattern_create_linear(x, 0, x + kVergeRight, kGrid);
    cairo_pattern_add_color_stop_rgb(g, 0, 0.36, 0.60, 0.20);
    cairo_pattern_add_color_stop_rgb(g, 1, 0.18, 0.42, 0.13);
    cairo_set_source(cr, g);
    cairo_rectangle(cr, x, 0, kVergeRight, kGrid);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
  }
}

void PaintAsphalt(cairo_t* cr, bool detailed) {
  const double x0 = kVergeRight, w = kGrid - 2 * kVergeRight;
  cairo_pattern_t* g = cairo_pattern_create_linear(x0, 0, x0 + w, kGrid);
  const Rgb lit = Hex(0x5a5e66), dark = Hex(0x34363c);
  cairo_pattern_add_color_stop_rgb(g, 0, lit.r, lit.g, lit.b);
  cairo_pattern_add_color_stop_rgb(g, 1, dark.r, dark.g, dark.b);
  cairo_set_source(cr, g);
  cairo_rectangle(cr, x0, 0, w, kGrid);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  if (!detailed) return;
  // Fine grit, the same on every build.
  Rng rng(SeedOf("AppIconAsphalt"));
  for (int i = 0; i < 260; ++i) {
    const double x = rng.Range(x0, x0 + w), y = rng.Range(0, kGrid);
    const double k = rng.Range(-0.5, 0.5);
    SetRgb(cr, Shade(Hex(0x45484f), k), 0.5);
    cairo_rectangle(cr, x, y, 0.35, 0.35);
    cairo_fill(cr);
  }
}

void PaintKerbs(cairo_t* cr, bool striped) {
  for (double x : {kVergeRight - kKerbWidth, kGrid - kVergeRight}) {
    SetRgb(cr, Hex(0xf2f2ee));
    cairo_rectangle(cr, x, 0, kKerbWidth, kGrid);
    cairo_fill(cr);
    // Small icons keep a plain white kerb: red stripes would run into the red car.
    if (!striped) continue;
    SetRgb(cr, Hex(0xd8262a));
    for (double y = 0; y < kGrid; y += 8) cairo_rectangle(cr, x, y, kKerbWidth, 4);
    cairo_fill(cr);
  }
}

void PaintLaneDashes(cairo_t* cr) {
  SetRgb(cr, Hex(0xeeeeea), 0.9);
  for (double y = -2; y < kGrid; y += 14) cairo_rectangle(cr, kGrid / 2 - 0.8, y, 1.6, 7);
  cairo_fill(cr);
}

// Two tracer rounds ahead of the car, from its flank guns.
void PaintTracers(cairo_t* cr, double car_left, double car_right, double car_top) {
  for (double x : {car_left + 3, car_right - 3}) {
    Glow(cr, x, car_top - 7, 4.5, palette::kBanner, 0.55);
    RoundedRect(cr, x - 1, car_top - 12, 2, 7, 1);
    FillLit(cr, Hex(0xffe24a), x - 1, car_top - 12, 2, 7, 0.4);
  }
}

void PaintCar(cairo_t* cr, double cx, double top, double height) {
  constexpr double kCarW = 40, kCarH = 72;  // the race picture's own size
  const double s = height / kCarH;
  const double left = cx - kCarW * s / 2;
  // Shadow cast down and to the right: the light comes from the upper left.
  cairo_save(cr);
  cairo_translate(cr, cx + height * 0.05, top + height * 0.55);
  cairo_scale(cr, kCarW * s * 0.5, height * 0.5);
  cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
  cairo_restore(cr);
  SetRgb(cr, Hex(0x101014), 0.35);
  cairo_fill(cr);

  cairo_save(cr);
  cairo_translate(cr, left, top);
  cairo_scale(cr, s, s);
  PaintVehicle(cr, PlayerCar(1), kCarW, kCarH);
  cairo_restore(cr);
}

}  // namespace

void PaintAppIcon(cairo_t* cr, int size) {
  const bool detailed = size >= 32;
  cairo_save(cr);
  cairo_scale(cr, size / kGrid, size / kGrid);
  // One device pixel in grid units: outlines stay crisp at every size.
  const double pixel = kGrid / size;

  cairo_save(cr);
  TilePath(cr);
  cairo_clip(cr);
  PaintVerges(cr);
  PaintAsphalt(cr, detailed);
  PaintKerbs(cr, detailed);
  if (detailed) PaintLaneDashes(cr);
  // The car fills more of the tile where there is little room for anything else.
  const double car_h = detailed ? 44 : 54;
  const double car_top = detailed ? 16 : 6;
  if (detailed) {
    const double half_w = car_h * 40 / 72 / 2;
    PaintTracers(cr, kGrid / 2 - half_w, kGrid / 2 + half_w, car_top);
  }
  PaintCar(cr, kGrid / 2, car_top, car_h);
  Gloss(cr, 0, 0, kGrid, kGrid, 0.22);
  cairo_restore(cr);

  TilePath(cr);
  SetRgb(cr, palette::kOutline);
  cairo_set_line_width(cr, std::max(1.2 * pixel, 1.5));
  cairo_stroke(cr);
  cairo_restore(cr);
}

void WriteAppIcon(int size, const std::string& path) {
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, size, size);
  cairo_t* cr = cairo_create(surface);
  PaintAppIcon(cr, size);
  const cairo_status_t drawn = cairo_status(cr);
  cairo_destroy(cr);
  const cairo_status_t written =
      drawn == CAIRO_STATUS_SUCCESS ? cairo_surface_write_to_png(surface, path.c_str()) : drawn;
  cairo_surface_destroy(surface);
  if (written != CAIRO_STATUS_SUCCESS) {
    throw std::runtime_error(path + ": " + cairo_status_to_string(written));
  }
}

}  // namespace vontra::forge
