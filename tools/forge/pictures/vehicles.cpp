#include "vehicles.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace vontra::forge {

namespace {

const Rgb kRubber = Hex(0x383844);
const Rgb kGlassDark = Hex(0x1a2636);
const Rgb kGlassLight = Hex(0x5d7f9e);
const Rgb kHeadlight = Hex(0xfff6c0);
const Rgb kTaillight = Hex(0xe3161b);
const Rgb kChrome = Hex(0xb8bec8);
const Rgb kShadow = Hex(0x101014);

// A body outline: a rounded box whose nose is a little narrower than its tail.
void BodyPath(cairo_t* cr, double x, double y, double w, double h, double front_r, double rear_r,
              double nose_in) {
  double x1 = x + w;
  double y1 = y + h;
  cairo_new_path(cr);
  cairo_move_to(cr, x + nose_in + front_r, y);
  cairo_line_to(cr, x1 - nose_in - front_r, y);
  cairo_curve_to(cr, x1 - nose_in, y, x1, y + front_r * 0.5, x1, y + front_r * 1.5);
  cairo_line_to(cr, x1, y1 - rear_r);
  cairo_curve_to(cr, x1, y1 - rear_r * 0.3, x1 - rear_r * 0.3, y1, x1 - rear_r, y1);
  cairo_line_to(cr, x + rear_r, y1);
  cairo_curve_to(cr, x + rear_r * 0.3, y1, x, y1 - rear_r * 0.3, x, y1 - rear_r);
  cairo_line_to(cr, x, y + front_r * 1.5);
  cairo_curve_to(cr, x, y + front_r * 0.5, x + nose_in, y, x + nose_in + front_r, y);
  cairo_close_path(cr);
}

// Half-widths along a car body, as fractions of the widest point: a rounded nose, fenders
// bulging over the wheels and a pinched waist at the doors.
struct Profile {
  double nose, waist, tail;
  double front0, front1, rear0, rear1;  // fender spans as fractions of the length
};

void ProfilePath(cairo_t* cr, double cx, double y, double hw, double h, const Profile& p) {
  const double pts[][2] = {{0, p.nose},   {0.05, (p.nose + 1) / 2 + 0.04},     {p.front0, 1},
                           {p.front1, 1}, {(p.front1 + p.rear0) / 2, p.waist}, {p.rear0, 1},
                           {p.rear1, 1},  {0.96, (p.tail + 1) / 2 + 0.03},     {1, p.tail}};
  const int n = static_cast<int>(std::size(pts));
  auto px = [&](int i, double side) {
    i = std::clamp(i, 0, n - 1);
    return cx + side * hw * pts[i][1];
  };
  auto py = [&](int i) {
    i = std::clamp(i, 0, n - 1);
    return y + h * pts[i][0];
  };
  cairo_new_path(cr);
  cairo_move_to(cr, cx, y);
  for (double side : {1.0, -1.0}) {
    // Right flank downwards, then the left flank upwards (Catmull-Rom through the points).
    int first = side > 0 ? 0 : n - 1, step = side > 0 ? 1 : -1;
    cairo_line_to(cr, px(first, side), py(first));
    for (int k = 0; k < n - 1; ++k) {
      int i = first + k * step, j = i + step;
      double c1x = px(i, side) + (px(j, side) - px(i - step, side)) / 6;
      double c1y = py(i) + (py(j) - py(i - step)) / 6;
      double c2x = px(j, side) - (px(j + step, side) - px(i, side)) / 6;
      double c2y = py(j) - (py(j + step) - py(i)) / 6;
      cairo_curve_to(cr, c1x, c1y, c2x, c2y, px(j, side), py(j));
    }
    cairo_line_to(cr, cx, side > 0 ? y + h : y);
  }
  cairo_close_path(cr);
}

// A chamfered (armoured) hull.
void HullPath(cairo_t* cr, double x, double y, double w, double h, double cf, double cr_) {
  cairo_new_path(cr);
  cairo_move_to(cr, x + cf, y);
  cairo_line_to(cr, x + w - cf, y);
  cairo_line_to(cr, x + w, y + cf * 1.4);
  cairo_line_to(cr, x + w, y + h - cr_);
  cairo_line_to(cr, x + w - cr_, y + h);
  cairo_line_to(cr, x + cr_, y + h);
  cairo_line_to(cr, x, y + h - cr_);
  cairo_line_to(cr, x, y + cf * 1.4);
  cairo_close_path(cr);
}

void Wheel(cairo_t* cr, double x, double y, double w, double h) {
  RoundedRect(cr, x, y, w, h, 1.5);
  SetRgb(cr, kRubber);
  cairo_fill_preserve(cr);
  SetRgb(cr, Hex(0x0c0c10));
  cairo_set_line_width(cr, 0.8);
  cairo_stroke(cr);
  // Tread blocks catch the light on the upper left.
  SetRgb(cr, Hex(0x70707e));
  for (double ty = y + 1.5; ty < y + h - 1; ty += 2.5) {
    cairo_rectangle(cr, x + 0.8, ty, w - 1.6, 0.9);
  }
  cairo_fill(cr);
}

void Wheels(cairo_t* cr, double bx, double bw, double y, double wh, double ww = 5) {
  Wheel(cr, bx - 3, y, ww, wh);
  Wheel(cr, bx + bw - ww + 3, y, ww, wh);
}

// A window panel: a trapezoid with top width wt and bottom width wb, centred on cx.
void Glass(cairo_t* cr, double cx, double y0, double y1, double wt, double wb, double r = 1.5) {
  cairo_new_path(cr);
  cairo_move_to(cr, cx - wt / 2 + r, y0);
  cairo_line_to(cr, cx + wt / 2 - r, y0);
  cairo_line_to(cr, cx + wb / 2, y1 - r);
  cairo_line_to(cr, cx + wb / 2 - r, y1);
  cairo_line_to(cr, cx - wb / 2 + r, y1);
  cairo_line_to(cr, cx - wb / 2, y1 - r);
  cairo_close_path(cr);
  cairo_pattern_t* g = cairo_pattern_create_linear(cx - wt / 2, y0, cx + wb / 2, y1);
  cairo_pattern_add_color_stop_rgb(g, 0, kGlassLight.r, kGlassLight.g, kGlassLight.b);
  cairo_pattern_add_color_stop_rgb(g, 0.55, kGlassDark.r, kGlassDark.g, kGlassDark.b);
  cairo_pattern_add_color_stop_rgb(g, 1, 0.16, 0.22, 0.3);
  cairo_set_source(cr, g);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(g);
  SetRgb(cr, palette::kOutline);
  cairo_set_line_width(cr, 0.9);
  cairo_stroke(cr);
  // A sky reflection streak across the upper left of the pane.
  cairo_save(cr);
  cairo_move_to(cr, cx - wt / 2 + 2, y1 - 1);
  cairo_line_to(cr, cx - wt / 2 + 5, y0 + 0.5);
  cairo_line_to(cr, cx - wt / 2 + 8, y0 + 0.5);
  cairo_line_to(cr, cx - wt / 2 + 5, y1 - 1);
  cairo_close_path(cr);
  cairo_set_source_rgba(cr, 0.85, 0.93, 1.0, 0.55);
  cairo_fill(cr);
  cairo_restore(cr);
}

void Lamp(cairo_t* cr, double x, double y, double w, double h, Rgb c, bool lit) {
  if (lit) Glow(cr, x + w / 2, y + h / 2, std::max(w, h) * 0.9, c, 0.55);
  RoundedRect(cr, x, y, w, h, std::min(w, h) * 0.45);
  SetRgb(cr, lit ? c : Shade(c, -0.35));
  cairo_fill_preserve(cr);
  SetRgb(cr, palette::kOutline);
  cairo_set_line_width(cr, 0.7);
  cairo_stroke(cr);
  if (lit) {
    cairo_rectangle(cr, x + w * 0.2, y + h * 0.2, w * 0.35, h * 0.35);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.85);
    cairo_fill(cr);
  }
}

void HeadAndTailLights(cairo_t* cr, double bx, double bw, double y_front, double y_rear, bool lit) {
  double lw = std::max(4.0, bw * 0.2);
  Lamp(cr, bx + 2, y_front, lw, 3, kHeadlight, lit);
  Lamp(cr, bx + bw - 2 - lw, y_front, lw, 3, kHeadlight, lit);
  Lamp(cr, bx + 1.5, y_rear - 2.5, lw, 2.5, kTaillight, lit);
  Lamp(cr, bx + bw - 1.5 - lw, y_rear - 2.5, lw, 2.5, kTaillight, lit);
}

void Mirrors(cairo_t* cr, double bx, double bw, double y, Rgb paint) {
  for (double x : {bx - 2.0, bx + bw - 0.5}) {
    RoundedRect(cr, x, y, 2.5, 2.5, 1);
    FillLit(cr, paint, x, y, 2.5, 2.5, 0.7);
  }
}

void ClipToPath(cairo_t* cr, const std::function<void()>& path) {
  path();
  cairo_clip(cr);
}

void Stripes(cairo_t* cr, double cx, double y0, double y1, double gap, double width, Rgb c) {
  SetRgb(cr, c);
  cairo_rectangle(cr, cx - gap / 2 - width, y0, width, y1 - y0);
  cairo_rectangle(cr, cx + gap / 2, y0, width, y1 - y0);
  cairo_fill(cr);
}

struct Cabin {
  double ws0, ws1, roof1, rw1;  // windscreen, roof and rear window as fractions of h
  double roof_inset;            // roof narrower than the body by this many pixels per side
};

// Shared painter for the closed cars: body, windows, roof, lights.
void PaintCar(cairo_t* cr, const Vehicle& v, double w, double h, const Cabin& cab,
              const Profile& prof) {
  const double bx = 3.5;
  const double by = 1;
  const double bw = w - 8;
  const double bh = h - 3.5;
  const double cx = bx + bw / 2;
  auto body = [&] { ProfilePath(cr, cx, by, bw / 2, bh, prof); };
  Rgb paint = v.dusty ? Mix(v.paint, Hex(0x8a8478), 0.35) : v.paint;

  cairo_save(cr);
  cairo_translate(cr, 1.5, 2);
  body();
  SetRgb(cr, kShadow);
  cairo_fill(cr);
  cairo_restore(cr);

  Wheels(cr, bx, bw, by + bh * (prof.front0 + 0.01), bh * (prof.front1 - prof.front0 - 0.02));
  Wheels(cr, bx, bw, by + bh * (prof.rear0 + 0.01), bh * (prof.rear1 - prof.rear0 - 0.02));

  body();
  FillLitAcross(cr, paint, bx, by, bw, bh, 1.3);

  cairo_save(cr);
  ClipToPath(cr, body);
  // Soft top-to-bottom light over the whole body.
  cairo_pattern_t* g = cairo_pattern_create_linear(0, by, 0, by + bh);
  cairo_pattern_add_color_stop_rgba(g, 0, 1, 1, 1, 0.18);
  cairo_pattern_add_color_stop_rgba(g, 0.5, 1, 1, 1, 0);
  cairo_pattern_add_color_stop_rgba(g, 1, 0, 0, 0, 0.2);
  cairo_set_source(cr, g);
  cairo_paint(cr);
  cairo_pattern_destroy(g);
  if (v.body == Body::Racer) {
    Stripes(cr, cx, by, by + bh, 2.5, 3, v.accent);
  }
  if (v.body == Body::Police) {
    // Dark doors and boot around a white cabin.
    SetRgb(cr, v.accent);
    cairo_rectangle(cr, bx, by + bh * cab.ws0, bw, bh * (cab.rw1 - cab.ws0));
    cairo_fill(cr);
  }
  if (v.body == Body::Taxi) {
    // Chequered band along the flanks.
    for (int i = 0; i < 12; ++i) {
      for (int s = 0; s < 2; ++s) {
        double yy = by + bh * 0.36 + i * 2.5;
        double xx = s == 0 ? bx + ((i % 2) ? 0 : 2) : bx + bw - 4 + ((i % 2) ? 2 : 0);
        cairo_rectangle(cr, xx, yy, 2, 2.5);
      }
    }
    SetRgb(cr, Hex(0x1e1e24));
    cairo_fill(cr);
  }
  // Hood crease and boot line.
  cairo_set_line_width(cr, 0.8);
  cairo_set_source_rgba(cr, 0, 0, 0, 0.25);
  cairo_move_to(cr, bx + 3, by + bh * (cab.ws0 - 0.02));
  cairo_line_to(cr, bx + bw - 3, by + bh * (cab.ws0 - 0.02));
  cairo_move_to(cr, bx + 3, by + bh * (cab.rw1 + 0.02));
  cairo_line_to(cr, bx + bw - 3, by + bh * (cab.rw1 + 0.02));
  cairo_stroke(cr);
  cairo_restore(cr);

  body();
  SetRgb(cr, Mix(palette::kOutline, paint, 0.15));
  cairo_set_line_width(cr, 1.3);
  cairo_stroke(cr);

  // Windows and roof.
  double wsy0 = by + bh * cab.ws0;
  double wsy1 = by + bh * cab.ws1;
  double ry1 = by + bh * cab.roof1;
  double rwy1 = by + bh * cab.rw1;
  double roof_w = bw - 2 * cab.roof_inset;
  Glass(cr, cx, wsy0, wsy1 + 1, bw - 5, roof_w);
  Glass(cr, cx, ry1 - 1, rwy1, roof_w, bw - 6);
  RoundedRect(cr, cx - roof_w / 2, wsy1, roof_w, ry1 - wsy1, 2.5);
  FillLitAcross(cr, Shade(paint, 0.06), cx - roof_w / 2, wsy1, roof_w, ry1 - wsy1, 0.9);
  if (v.body == Body::Racer) {
    cairo_save(cr);
    RoundedRect(cr, cx - roof_w / 2, wsy1, roof_w, ry1 - wsy1, 2.5);
    cairo_clip(cr);
    Stripes(cr, cx, wsy1, ry1, 2.5, 3, Shade(v.accent, -0.05));
    cairo_restore(cr);
  }
  if (v.body == Body::Racer) {
    const double ry = (wsy1 + ry1) / 2;
    cairo_arc(cr, cx, ry, 5.2, 0, 2 * M_PI);
    SetRgb(cr, Hex(0xf8f8f4));
    cairo_fill_preserve(cr);
    SetRgb(cr, palette::kOutline);
    cairo_set_line_width(cr, 0.9);
    cairo_stroke(cr);
    const char digit[2] = {static_cast<char>('1' + (v.variant & 3)), 0};
    SelectFace(cr, Face::Heavy, 8.5);
    PlainText(cr, digit, cx, ry + 3.1, Align::Centre, Hex(0x1a1a22));
  }
  if (v.body == Body::Police || v.body == Body::Ambulance) {
    double ly = (wsy1 + ry1) / 2 - 2;
    RoundedRect(cr, cx - roof_w / 2 + 1, ly, roof_w - 2, 4, 1.5);
    SetRgb(cr, palette::kOutline);
    cairo_fill(cr);
    Lamp(cr, cx - roof_w / 2 + 1.5, ly + 0.5, roof_w / 2 - 2, 3, Hex(0xff2020), !v.dusty);
    Lamp(cr, cx + 0.5, ly + 0.5, roof_w / 2 - 2, 3, Hex(0x2a6bff), !v.dusty);
  }
  if (v.body == Body::Taxi) {
    double ly = (wsy1 + ry1) / 2 - 2;
    RoundedRect(cr, cx - 5, ly, 10, 4, 1);
    FillLit(cr, Hex(0xfff27a), cx - 5, ly, 10, 4, 0.8);
  }
  if (v.body == Body::Sedan && v.variant == 1) {
    for (double x : {cx - roof_w / 2 + 1.5, cx + roof_w / 2 - 2.5}) {
      cairo_rectangle(cr, x, wsy1 + 2, 1, ry1 - wsy1 - 4);
    }
    SetRgb(cr, kChrome);
    cairo_fill(cr);
  }
  Gloss(cr, cx - roof_w / 2, wsy1, roof_w, ry1 - wsy1, 0.35);
  Mirrors(cr, bx, bw, wsy0 + 1, paint);

  // Bumpers and lights.
  RoundedRect(cr, bx + 3, by - 0.3, bw - 6, 2, 1);
  SetRgb(cr, v.body == Body::Racer ? Shade(paint, -0.5) : kChrome);
  cairo_fill(cr);
  RoundedRect(cr, bx + 3, by + bh - 1.5, bw - 6, 2, 1);
  SetRgb(cr, v.body == Body::Racer ? Shade(paint, -0.5) : kChrome);
  cairo_fill(cr);
  HeadAndTailLights(cr, bx, bw, by + 1.2, by + bh - 0.8, !v.dusty);

  if (v.body == Body::Sports || v.body == Body::Racer) {
    // Rear wing across the tail.
    double sy = by + bh - (v.body == Body::Racer ? 7 : 6);
    RoundedRect(cr, bx - 0.5, sy, bw + 1, 3, 1);
    FillLit(cr, Shade(paint, -0.25), bx, sy, bw, 3, 0.8);
  }
  if (v.body == Body::Racer) {
    // Air intake on the hood and side pods.
    RoundedRect(cr, cx - 4, by + bh * 0.12, 8, 3.5, 1);
    SetRgb(cr, Hex(0x1c1c22));
    cairo_fill(cr);
    SetRgb(cr, Hex(0x50505a));
    for (int i = 0; i < 3; ++i) cairo_rectangle(cr, cx - 3 + i * 2.3, by + bh * 0.12 + 0.8, 1.3, 2);
    cairo_fill(cr);
    if (v.variant == 2) {
      // Rally car: roof scoop and spot lamps.
      Lamp(cr, cx - 6, by + 4, 4, 3, kHeadlight, true);
      Lamp(cr, cx + 2, by + 4, 4, 3, kHeadlight, true);
    }
  }
}

void PaintPickup(cairo_t* cr, const Vehicle& v, double w, double h) {
  const double bx = 2.5, by = 1, bw = w - 6, bh = h - 3.5, cx = bx + bw / 2;
  auto body = [&] { BodyPath(cr, bx, by, bw, bh, 5, 3, 1.5); };
  cairo_save(cr);
  cairo_translate(cr, 1.5, 2);
  body();
  SetRgb(cr, kShadow);
  cairo_fill(cr);
  cairo_restore(cr);
  Wheels(cr, bx, bw, by + bh * 0.12, bh * 0.15);
  Wheels(cr, bx, bw, by + bh * 0.72, bh * 0.15);
  body();
  FillLitAcross(cr, v.paint, bx, by, bw, bh, 1.3);
  Glass(cr, cx, by + bh * 0.22, by + bh * 0.33, bw - 5, bw - 9);
  RoundedRect(cr, cx - (bw - 9) / 2, by + bh * 0.33, bw - 9, bh * 0.16, 2);
  FillLitAcross(cr, Shade(v.paint, 0.08), cx - (bw - 9) / 2, by + bh * 0.33, bw - 9, bh * 0.16,
                0.9);
  Glass(cr, cx, by + bh * 0.48, by + bh * 0.52, bw - 9, bw - 9, 0.8);
  // Open load bed with ribs.
  double y0 = by + bh * 0.55, y1 = by + bh - 3;
  RoundedRect(cr, bx + 2.5, y0, bw - 5, y1 - y0, 1.5);
  SetRgb(cr, Hex(0x2c2a2a));
  cairo_fill_preserve(cr);
  SetRgb(cr, palette::kOutline);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  SetRgb(cr, Hex(0x4a4644));
  for (double x = bx + 5; x < bx + bw - 4; x += 4) cairo_rectangle(cr, x, y0 + 1, 1.2, y1 - y0 - 2);
  cairo_fill(cr);
  // Cargo: a crate.
  RoundedRect(cr, cx - 5, y0 + 3, 10, 8, 1);
  FillLit(cr, Hex(0xb07a3c), cx - 5, y0 + 3, 10, 8, 0.8);
  Mirrors(cr, bx, bw, by + bh * 0.22 + 1, v.paint);
  HeadAndTailLights(cr, bx, bw, by + 1.2, by + bh - 0.8, !v.dusty);
}

void PaintBoxy(cairo_t* cr, const Vehicle& v, double w, double h) {
  // Vans, ambulances and buses: a short nose and a long roof.
  const double bx = 2.5, by = 1, bw = w - 6, bh = h - 3.5, cx = bx + bw / 2;
  const bool bus = v.body == Body::Bus;
  auto body = [&] { BodyPath(cr, bx, by, bw, bh, bus ? 3 : 4, 2, bus ? 0.5 : 1.5); };
  cairo_save(cr);
  cairo_translate(cr, 1.5, 2);
  body();
  SetRgb(cr, kShadow);
  cairo_fill(cr);
  cairo_restore(cr);
  Wheels(cr, bx, bw, by + bh * (bus ? 0.1 : 0.1), bh * (bus ? 0.1 : 0.14), bus ? 6 : 5);
  Wheels(cr, bx, bw, by + bh * (bus ? 0.76 : 0.76), bh * (bus ? 0.1 : 0.14), bus ? 6 : 5);
  body();
  FillLitAcross(cr, v.paint, bx, by, bw, bh, 1.3);
  double ws0 = bus ? 0.015 : 0.1;
  double ws1 = bus ? 0.075 : 0.2;
  Glass(cr, cx, by + bh * ws0, by + bh * ws1, bw - 4, bw - 5);
  double ry0 = by + bh * ws1 + 1;
  double ry1 = by + bh - 3;
  RoundedRect(cr, bx + 2, ry0, bw - 4, ry1 - ry0, 2);
  FillLitAcross(cr, Shade(v.paint, 0.1), bx + 2, ry0, bw - 4, ry1 - ry0, 0.9);
  cairo_save(cr);
  RoundedRect(cr, bx + 2, ry0, bw - 4, ry1 - ry0, 2);
  cairo_clip(cr);
  if (bus) {
    // Side window strips seen over the roof edge, air conditioner and hatches.
    for (double y = ry0 + 4; y < ry1 - 8; y += 9) {
      Glass(cr, bx + 3.5, y, y + 6.5, 3, 3, 0.5);
      Glass(cr, bx + bw - 3.5, y, y + 6.5, 3, 3, 0.5);
    }
    RoundedRect(cr, cx - 7, ry0 + (ry1 - ry0) * 0.4, 14, 16, 2);
    FillLit(cr, Hex(0xd0d4dc), cx - 7, ry0 + (ry1 - ry0) * 0.4, 14, 16, 0.9);
    SetRgb(cr, Hex(0x60646c));
    for (int i = 0; i < 4; ++i) {
      cairo_rectangle(cr, cx - 5, ry0 + (ry1 - ry0) * 0.4 + 2.5 + i * 3.5, 10, 1.2);
    }
    cairo_fill(cr);
    for (double hy : {0.15, 0.75}) {
      RoundedRect(cr, cx - 5, ry0 + (ry1 - ry0) * hy, 10, 8, 1);
      FillLit(cr, Shade(v.paint, -0.15), cx - 5, ry0 + (ry1 - ry0) * hy, 10, 8, 0.8);
    }
    // Livery band.
    SetRgb(cr, v.accent);
    cairo_rectangle(cr, bx + 6, ry0, 2.5, ry1 - ry0);
    cairo_rectangle(cr, bx + bw - 8.5, ry0, 2.5, ry1 - ry0);
    cairo_fill(cr);
  } else {
    // Roof ribs.
    cairo_set_line_width(cr, 1);
    for (double y = ry0 + 6; y < ry1 - 4; y += 7) {
      cairo_set_source_rgba(cr, 0, 0, 0, 0.22);
      cairo_move_to(cr, bx + 3, y);
      cairo_line_to(cr, bx + bw - 3, y);
      cairo_stroke(cr);
      cairo_set_source_rgba(cr, 1, 1, 1, 0.25);
      cairo_move_to(cr, bx + 3, y + 1);
      cairo_line_to(cr, bx + bw - 3, y + 1);
      cairo_stroke(cr);
    }
    if (v.body == Body::Ambulance) {
      SetRgb(cr, v.accent);
      cairo_rectangle(cr, cx - 2.5, ry0 + (ry1 - ry0) * 0.45 - 7, 5, 14);
      cairo_rectangle(cr, cx - 7, ry0 + (ry1 - ry0) * 0.45 - 2.5, 14, 5);
      cairo_fill(cr);
      cairo_rectangle(cr, bx, ry1 - 10, bw, 3);
      cairo_fill(cr);
    } else {
      SetRgb(cr, v.accent);
      cairo_rectangle(cr, bx, ry0 + (ry1 - ry0) * 0.3, bw, 4);
      cairo_fill(cr);
    }
  }
  cairo_restore(cr);
  Gloss(cr, bx + 2, ry0, bw - 4, (ry1 - ry0) * 0.5, 0.3);
  if (v.body == Body::Ambulance) {
    double ly = ry0 + 2;
    Lamp(cr, bx + 3, ly, bw / 2 - 4, 3, Hex(0xff2020), !v.dusty);
    Lamp(cr, cx + 1, ly, bw / 2 - 4, 3, Hex(0x2a6bff), !v.dusty);
  }
  Mirrors(cr, bx, bw, by + bh * ws0 + 1, v.paint);
  HeadAndTailLights(cr, bx, bw, by + 0.8, by + bh - 0.8, !v.dusty);
}

void PaintTruck(cairo_t* cr, const Vehicle& v, double w, double h) {
  const double bx = 2.5, by = 1, bw = w - 6, bh = h - 3.5, cx = bx + bw / 2;
  const bool tanker = v.body == Body::Tanker;
  double cab1 = by + bh * 0.24;
  double box0 = cab1 + 2.5;
  // Shadow of cab and load.
  SetRgb(cr, kShadow);
  RoundedRect(cr, bx + 2.5, by + 2, bw - 2, cab1 - by, 3);
  RoundedRect(cr, bx + 1.5, box0 + 2, bw, by + bh - box0, tanker ? 6 : 1.5);
  cairo_fill(cr);
  Wheels(cr, bx + 1, bw - 2, by + bh * 0.08, bh * 0.1, 6);
  Wheels(cr, bx, bw, by + bh * 0.66, bh * 0.1, 6);
  Wheels(cr, bx, bw, by + bh * 0.8, bh * 0.1, 6);
  // Cab.
  RoundedRect(cr, bx + 1, by, bw - 2, cab1 - by, 3);
  FillLitAcross(cr, v.paint, bx + 1, by, bw - 2, cab1 - by, 1.3);
  Glass(cr, cx, by + 3, by + 8, bw - 6, bw - 7);
  RoundedRect(cr, bx + 3, by + 9, bw - 6, cab1 - by - 11, 2);
  FillLitAcross(cr, Shade(v.paint, 0.1), bx + 3, by + 9, bw - 6, cab1 - by - 11, 0.8);
  Gloss(cr, bx + 3, by + 9, bw - 6, cab1 - by - 11, 0.35);
  Mirrors(cr, bx + 1, bw - 2, by + 4, v.paint);
  Lamp(cr, bx + 2.5, by + 0.5, 4, 2.5, kHeadlight, !v.dusty);
  Lamp(cr, bx + bw - 6.5, by + 0.5, 4, 2.5, kHeadlight, !v.dusty);
  // Load.
  double bh2 = by + bh - box0;
  if (tanker) {
    RoundedRect(cr, bx, box0, bw, bh2, bw * 0.35);
    FillLitAcross(cr, v.accent, bx, box0, bw, bh2, 1.3);
    Gloss(cr, bx + 2, box0, bw * 0.5, bh2, 0.4);
    // Walkway and filler caps on top of the tank.
    SetRgb(cr, Hex(0x3a3c44));
    cairo_rectangle(cr, cx - 2, box0 + 4, 4, bh2 - 8);
    cairo_fill(cr);
    for (int i = 0; i < 3; ++i) {
      double yy = box0 + bh2 * (0.2 + 0.3 * i);
      cairo_arc(cr, cx, yy, 4, 0, 2 * M_PI);
      FillLit(cr, Hex(0x9aa0aa), cx - 4, yy - 4, 8, 8, 0.9);
    }
    SetRgb(cr, v.paint);
    cairo_rectangle(cr, bx + 1, box0 + bh2 * 0.45, bw - 2, 3);
    cairo_fill(cr);
  } else {
    RoundedRect(cr, bx, box0, bw, bh2, 1.5);
    FillLitAcross(cr, v.accent, bx, box0, bw, bh2, 1.3);
    cairo_set_line_width(cr, 1);
    for (double y = box0 + 5; y < box0 + bh2 - 3; y += 5) {
      cairo_set_source_rgba(cr, 0, 0, 0, 0.25);
      cairo_move_to(cr, bx + 1.5, y);
      cairo_line_to(cr, bx + bw - 1.5, y);
      cairo_stroke(cr);
    }
    Gloss(cr, bx, box0, bw, bh2 * 0.4, 0.3);
    // Brand panel on the roof.
    RoundedRect(cr, cx - bw * 0.3, box0 + bh2 * 0.35, bw * 0.6, bh2 * 0.22, 2);
    SetRgb(cr, v.paint);
    cairo_fill(cr);
  }
  Lamp(cr, bx + 1, by + bh - 2.5, 4, 2.5, kTaillight, !v.dusty);
  Lamp(cr, bx + bw - 5, by + bh - 2.5, 4, 2.5, kTaillight, !v.dusty);
}

void PaintArmour(cairo_t* cr, const Vehicle& v, double w, double h) {
  const double bx = 2.5, by = 1, bw = w - 6, bh = h - 3.5, cx = bx + bw / 2;
  const bool apc = v.body == Body::Apc;
  auto hull = [&] { HullPath(cr, bx, by, bw, bh, bw * 0.22, bw * 0.12); };
  cairo_save(cr);
  cairo_translate(cr, 1.5, 2);
  hull();
  SetRgb(cr, kShadow);
  cairo_fill(cr);
  cairo_restore(cr);
  int axles = apc ? 4 : 3;
  for (int i = 0; i < axles; ++i) {
    double t = 0.1 + 0.74 * i / (axles - 1);
    Wheels(cr, bx, bw, by + bh * t, bh * (apc ? 0.12 : 0.14), 6);
  }
  hull();
  FillLitAcross(cr, v.paint, bx, by, bw, bh, 1.4);
  cairo_save(cr);
  hull();
  cairo_clip(cr);
  // Camouflage blotches, fixed per vehicle.
  Rng rng(SeedOf(apc ? "apc" : "armour") + v.variant);
  for (int i = 0; i < 9; ++i) {
    double x = bx + rng.Range(0, bw), y = by + rng.Range(0, bh);
    double r = rng.Range(3, 6);
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, 1.0, rng.Range(0.6, 1.4));
    cairo_arc(cr, 0, 0, r, 0, 2 * M_PI);
    cairo_restore(cr);
    SetRgb(cr, i % 2 ? Shade(v.paint, -0.35) : Mix(v.paint, v.accent, 0.6), 0.9);
    cairo_fill(cr);
  }
  // Armour plate seams.
  cairo_set_line_width(cr, 1);
  cairo_set_source_rgba(cr, 0, 0, 0, 0.35);
  cairo_move_to(cr, bx, by + bh * 0.22);
  cairo_line_to(cr, bx + bw, by + bh * 0.22);
  cairo_move_to(cr, bx + 4, by + bh * 0.22);
  cairo_line_to(cr, bx + 4, by + bh - 3);
  cairo_move_to(cr, bx + bw - 4, by + bh * 0.22);
  cairo_line_to(cr, bx + bw - 4, by + bh - 3);
  cairo_stroke(cr);
  cairo_restore(cr);
  // Vision slits at the front.
  SetRgb(cr, Hex(0x10141a));
  cairo_rectangle(cr, cx - bw * 0.3, by + bh * 0.1, bw * 0.22, 2);
  cairo_rectangle(cr, cx + bw * 0.08, by + bh * 0.1, bw * 0.22, 2);
  cairo_fill(cr);
  // Hatches or turret ring.
  if (apc) {
    double ty = by + bh * 0.42;
    cairo_arc(cr, cx, ty, bw * 0.3, 0, 2 * M_PI);
    FillLit(cr, Shade(v.paint, 0.05), cx - bw * 0.3, ty - bw * 0.3, bw * 0.6, bw * 0.6, 1.2);
    cairo_arc(cr, cx, ty, bw * 0.18, 0, 2 * M_PI);
    FillLit(cr, Shade(v.paint, -0.1), cx - bw * 0.18, ty - bw * 0.18, bw * 0.36, bw * 0.36, 1);
    RoundedRect(cr, cx - 5, by + bh * 0.72, 10, 9, 1.5);
    FillLit(cr, Shade(v.paint, -0.05), cx - 5, by + bh * 0.72, 10, 9, 0.9);
  } else {
    for (double t : {0.4, 0.68}) {
      cairo_arc(cr, cx, by + bh * t, 5, 0, 2 * M_PI);
      FillLit(cr, Shade(v.paint, 0.05), cx - 5, by + bh * t - 5, 10, 10, 1);
    }
  }
  // Rivets.
  SetRgb(cr, Shade(v.paint, 0.35));
  for (double t = 0.28; t < 0.95; t += 0.12) {
    cairo_arc(cr, bx + 2, by + bh * t, 0.8, 0, 2 * M_PI);
    cairo_arc(cr, bx + bw - 2, by + bh * t, 0.8, 0, 2 * M_PI);
    cairo_fill(cr);
  }
  Lamp(cr, bx + bw * 0.22, by + 1, 3.5, 2.5, kHeadlight, !v.dusty);
  Lamp(cr, bx + bw * 0.78 - 3.5, by + 1, 3.5, 2.5, kHeadlight, !v.dusty);
  Lamp(cr, bx + 1.5, by + bh - 2.5, 3.5, 2, kTaillight, !v.dusty);
  Lamp(cr, bx + bw - 5, by + bh - 2.5, 3.5, 2, kTaillight, !v.dusty);
}

}  // namespace

void PaintVehicle(cairo_t* cr, const Vehicle& v, double w, double h) {
  cairo_save(cr);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  switch (v.body) {
    case Body::Racer: {
      static const Cabin kRacer[4] = {{0.30, 0.42, 0.62, 0.72, 4},
                                      {0.34, 0.46, 0.62, 0.70, 5},
                                      {0.27, 0.38, 0.70, 0.80, 3.5},
                                      {0.32, 0.44, 0.60, 0.68, 4.5}};
      static const Profile kShapes[4] = {{0.78, 0.86, 0.86, 0.12, 0.29, 0.69, 0.87},
                                         {0.58, 0.84, 0.9, 0.14, 0.3, 0.68, 0.87},
                                         {0.86, 0.9, 0.92, 0.11, 0.28, 0.71, 0.88},
                                         {0.68, 0.8, 0.84, 0.12, 0.28, 0.7, 0.87}};
      PaintCar(cr, v, w, h, kRacer[v.variant & 3], kShapes[v.variant & 3]);
      break;
    }
    case Body::Sedan:
      if (v.variant == 1) {
        // Estate: the roof runs on to a tailgate window.
        PaintCar(cr, v, w, h, {0.26, 0.37, 0.8, 0.9, 3}, {0.8, 0.9, 0.94, 0.12, 0.27, 0.72, 0.87});
        break;
      }
      [[fallthrough]];
    case Body::Police:
    case Body::Taxi:
      PaintCar(cr, v, w, h, {0.27, 0.38, 0.63, 0.73, 3.5},
               {0.8, 0.9, 0.88, 0.13, 0.28, 0.71, 0.86});
      break;
    case Body::Hatch:
      PaintCar(cr, v, w, h, {0.24, 0.36, 0.78, 0.88, 3},
               {0.86, 0.92, 0.95, 0.12, 0.29, 0.72, 0.88});
      break;
    case Body::Sports:
      PaintCar(cr, v, w, h, {0.36, 0.47, 0.62, 0.69, 4.5}, {0.6, 0.82, 0.86, 0.14, 0.3, 0.7, 0.87});
      break;
    case Body::Pickup:
      PaintPickup(cr, v, w, h);
      break;
    case Body::Van:
    case Body::Ambulance:
    case Body::Bus:
      PaintBoxy(cr, v, w, h);
      break;
    case Body::Truck:
    case Body::Tanker:
      PaintTruck(cr, v, w, h);
      break;
    case Body::Armoured:
    case Body::Apc:
      PaintArmour(cr, v, w, h);
      break;
  }
  cairo_restore(cr);
}

Vehicle PlayerCar(int model) {
  switch (model) {
    case 2:
      return {Body::Racer, Hex(0x1f6fe0), Hex(0xf4f4f4), 1, false};
    case 3:
      return {Body::Racer, Hex(0x4cc21c), Hex(0x1e1e26), 2, false};
    case 4:
      return {Body::Racer, Hex(0xf5c400), Hex(0x1e1e26), 3, false};
    default:
      return {Body::Racer, Hex(0xe02424), Hex(0xf4f4f4), 0, false};
  }
}

}  // namespace vontra::forge
