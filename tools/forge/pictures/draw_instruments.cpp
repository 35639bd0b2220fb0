// The race instruments: both side panels with their LCD windows and bays, the speedometer
// needle, the energy bar, the lives and bay lights, the message window and the text cursors.

#include <cmath>
#include <string>

#include "icons.h"
#include "instrument_geometry.h"
#include "picture_set.h"
#include "vehicles.h"

namespace vontra::forge {

namespace {

// Brushed dark metal with a soft top-left light.
void Metal(cairo_t* cr, double w, double h, uint64_t seed) {
  cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, w, h);
  Rgb a = Shade(palette::kMetal, 0.12), b = Shade(palette::kMetal, -0.35);
  cairo_pattern_add_color_stop_rgb(g, 0, a.r, a.g, a.b);
  cairo_pattern_add_color_stop_rgb(g, 1, b.r, b.g, b.b);
  cairo_set_source(cr, g);
  cairo_rectangle(cr, 0, 0, w, h);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  Rng rng(seed);
  cairo_set_line_width(cr, 1);
  for (int i = 0; i < static_cast<int>(h * 0.6); ++i) {
    double y = rng.Range(0, h);
    double x = rng.Range(-20, w);
    cairo_move_to(cr, x, y + 0.5);
    cairo_line_to(cr, x + rng.Range(10, 60), y + 0.5);
    bool light = rng.Uniform() < 0.5;
    cairo_set_source_rgba(cr, light ? 1 : 0, light ? 1 : 0, light ? 1 : 0, 0.05);
    cairo_stroke(cr);
  }
}

void Screw(cairo_t* cr, double x, double y) {
  cairo_arc(cr, x, y, 3, 0, 2 * M_PI);
  FillLit(cr, Hex(0x9aa2ae), x - 3, y - 3, 6, 6, 1, 0.5);
  cairo_move_to(cr, x - 1.8, y + 1.2);
  cairo_line_to(cr, x + 1.8, y - 1.2);
  SetRgb(cr, Hex(0x2a2e36));
  cairo_set_line_width(cr, 0.9);
  cairo_stroke(cr);
}

// A recessed window: dark on the upper left inner edge, lit on the lower right.
void Recess(cairo_t* cr, double x, double y, double w, double h, Rgb face, double r = 3) {
  RoundedRect(cr, x - 2, y - 2, w + 4, h + 4, r + 1);
  cairo_pattern_t* g = cairo_pattern_create_linear(x, y, x + w * 0.3, y + h);
  cairo_pattern_add_color_stop_rgb(g, 0, 0.07, 0.08, 0.1);
  cairo_pattern_add_color_stop_rgb(g, 1, 0.55, 0.58, 0.64);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  RoundedRect(cr, x, y, w, h, r);
  SetRgb(cr, face);
  cairo_fill(cr);
  // Inner shadow along the top.
  cairo_save(cr);
  RoundedRect(cr, x, y, w, h, r);
  cairo_clip(cr);
  cairo_pattern_t* s = cairo_pattern_create_linear(0, y, 0, y + std::min(8.0, h * 0.4));
  cairo_pattern_add_color_stop_rgba(s, 0, 0, 0, 0, 0.5);
  cairo_pattern_add_color_stop_rgba(s, 1, 0, 0, 0, 0);
  cairo_set_source(cr, s);
  cairo_paint(cr);
  cairo_pattern_destroy(s);
  cairo_restore(cr);
}

// Green LCD glass with a faint reflection.
void Lcd(cairo_t* cr, double x, double y, double w, double h) {
  Recess(cr, x, y, w, h, Hex(0x0b1f0c), 2.5);
  cairo_save(cr);
  RoundedRect(cr, x, y, w, h, 2.5);
  cairo_clip(cr);
  Glow(cr, x + w / 2, y + h / 2, w * 0.6, Hex(0x1c4a16), 0.6);
  cairo_move_to(cr, x, y + h * 0.45);
  cairo_line_to(cr, x + w, y);
  cairo_line_to(cr, x, y);
  cairo_close_path(cr);
  cairo_set_source_rgba(cr, 1, 1, 1, 0.06);
  cairo_fill(cr);
  cairo_restore(cr);
}

void PanelLabel(cairo_t* cr, const char* text, double x, double y, Align align = Align::Centre,
                double size = 10) {
  SelectFace(cr, Face::Condensed, size);
  OutlinedText(cr, text, x, y, align, palette::kMenuLight, palette::kMenuOrange, 1.5);
}

void Bevel(cairo_t* cr, double w, double h) {
  // Raised panel edges: light on top and left, dark on bottom and right.
  cairo_set_line_width(cr, 2);
  cairo_move_to(cr, 1, h);
  cairo_line_to(cr, 1, 1);
  cairo_line_to(cr, w, 1);
  cairo_set_source_rgba(cr, 1, 1, 1, 0.25);
  cairo_stroke(cr);
  cairo_move_to(cr, w - 1, 0);
  cairo_line_to(cr, w - 1, h - 1);
  cairo_line_to(cr, 0, h - 1);
  cairo_set_source_rgba(cr, 0, 0, 0, 0.5);
  cairo_stroke(cr);
}

void Vents(cairo_t* cr, double x, double y, double w, int n) {
  for (int i = 0; i < n; ++i) {
    RoundedRect(cr, x, y + i * 7, w, 3.5, 1.7);
    SetRgb(cr, Hex(0x14171c));
    cairo_fill(cr);
    cairo_move_to(cr, x + 1, y + i * 7 + 4.5);
    cairo_line_to(cr, x + w - 1, y + i * 7 + 4.5);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.12);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
  }
}

void DrawLeftPanel(PictureSet& set) {
  Picture& p = set.Make("LeftPanel");
  p.DrawEachFrameSame([](cairo_t* cr) {
    const double w = 124, h = 600;
    Metal(cr, w, h, SeedOf("left-panel"));
    Bevel(cr, w, h);
    // The game's name, stacked on a dark plate.
    Recess(cr, 8, 10, 108, 42, Hex(0x1a1e26), 4);
    SelectFace(cr, Face::Heavy, 27);
    OutlinedText(cr, "VONTRA", 62, 42, Align::Centre, palette::kBanner, palette::kMenuOrange, 2.5);
    PanelLabel(cr, "УРОВЕНЬ", 62, 76);
    Lcd(cr, 36, 83, 58, 22);
    PanelLabel(cr, "ОЧКИ", 62, 165);
    Lcd(cr, 12, 172, 100, 22);
    PanelLabel(cr, "ВРЕМЯ", 62, 253);
    Lcd(cr, 37, 261, 56, 26);
    PanelLabel(cr, "ЖИЗНИ", 62, 350);
    Recess(cr, 32, 357, 64, 38, Hex(0x161a20), 4);
    Vents(cr, 20, 430, 84, 8);
    // Warning stripe near the bottom.
    cairo_save(cr);
    cairo_rectangle(cr, 14, 510, 96, 12);
    cairo_clip(cr);
    for (double x = 0; x < 130; x += 12) {
      cairo_move_to(cr, x, 522);
      cairo_line_to(cr, x + 6, 522);
      cairo_line_to(cr, x + 18, 510);
      cairo_line_to(cr, x + 12, 510);
      cairo_close_path(cr);
    }
    SetRgb(cr, Hex(0xf0b400));
    cairo_paint(cr);
    SetRgb(cr, Hex(0x1c1c20));
    cairo_fill(cr);
    cairo_restore(cr);
    for (double y : {8.0, 592.0}) {
      Screw(cr, 7, y);
      Screw(cr, 115, y);
    }
    Screw(cr, 62, 548);
    // The edge against the road.
    cairo_rectangle(cr, w - 4, 0, 4, h);
    SetRgb(cr, Hex(0x20242c));
    cairo_fill(cr);
  });
}

void ChequeredFlag(cairo_t* cr, double x, double y) {
  cairo_rectangle(cr, x, y, 1.6, 16);
  SetRgb(cr, Hex(0xc0c4cc));
  cairo_fill(cr);
  for (int r = 0; r < 3; ++r) {
    for (int c = 0; c < 4; ++c) {
      cairo_rectangle(cr, x + 1.6 + c * 3, y + r * 3, 3, 3);
      SetRgb(cr, (r + c) % 2 ? Hex(0x1c1c22) : Hex(0xf4f4f4));
      cairo_fill(cr);
    }
  }
  cairo_rectangle(cr, x + 1.6, y, 12, 9);
  SetRgb(cr, palette::kOutline);
  cairo_set_line_width(cr, 0.8);
  cairo_stroke(cr);
}

void DrawRightPanel(PictureSet& set) {
  Picture& p = set.Make("RightPanel");
  p.DrawEachFrameSame([](cairo_t* cr) {
    using namespace instruments;
    const double w = 135, h = 600;
    const double ox = kRightPanelX;  // screen x of the panel's left edge
    Metal(cr, w, h, SeedOf("right-panel"));
    Bevel(cr, w, h);
    cairo_rectangle(cr, 0, 0, 3, h);
    SetRgb(cr, Hex(0x20242c));
    cairo_fill(cr);

    // Progress strip: a little road from the start (bottom) to the finish flag (top).
    const double sx = kProgressX - ox;
    PanelLabel(cr, "ФИНИШ", sx, 20);
    ChequeredFlag(cr, sx - 7, 24);
    Recess(cr, sx - 8, kProgressTop, 16, kProgressBottom - kProgressTop, Hex(0x3a3c42), 2);
    cairo_set_line_width(cr, 1);
    for (double y = kProgressTop + 4; y < kProgressBottom - 4; y += 12) {
      cairo_move_to(cr, sx, y);
      cairo_line_to(cr, sx, y + 6);
    }
    SetRgb(cr, Hex(0xd8d8d0));
    cairo_stroke(cr);
    for (double y = kProgressTop; y <= kProgressBottom; y += (kProgressBottom - kProgressTop) / 8) {
      cairo_move_to(cr, sx - 13, y);
      cairo_line_to(cr, sx - 10, y);
      cairo_move_to(cr, sx + 10, y);
      cairo_line_to(cr, sx + 13, y);
    }
    SetRgb(cr, palette::kMenuLight);
    cairo_stroke(cr);
    PanelLabel(cr, "СТАРТ", sx, kProgressBottom + 16);

    // Ammunition counter: dark digits on a lit LCD.
    PanelLabel(cr, "ПАТРОНЫ", 67, 314);
    Recess(cr, kAmmoLeft - ox, kAmmoTop, kAmmoRight - kAmmoLeft, kAmmoBottom - kAmmoTop,
           Hex(0x9ccf6a), 2);
    cairo_save(cr);
    RoundedRect(cr, kAmmoLeft - ox, kAmmoTop, kAmmoRight - kAmmoLeft, kAmmoBottom - kAmmoTop, 2);
    cairo_clip(cr);
    Glow(cr, (kAmmoLeft + kAmmoRight) / 2.0 - ox, 331, 22, Hex(0xd8ffa0), 0.8);
    cairo_restore(cr);
    // Weapon bays with their emblems unlit.
    const Emblem weapons[5] = {Emblem::Gun, Emblem::Gun2, Emblem::Rockets, Emblem::Rockets2,
                               Emblem::MegaBomb};
    for (int i = 0; i < 5; ++i) {
      double bx = kWeaponBayX[i] - ox;
      Recess(cr, bx, kWeaponBayY, 18, 18, Hex(0x1a1e24), 2);
      cairo_push_group(cr);
      PaintEmblem(cr, weapons[i], bx + 9, kWeaponBayY + 9, 0.62);
      cairo_pop_group_to_source(cr);
      cairo_paint_with_alpha(cr, 0.22);
    }
    // Turbo and shield bays with the seconds readouts beneath.
    const char* names[2] = {"ТУРБО", "ЩИТ"};
    const Emblem bonus[2] = {Emblem::Engine, Emblem::Shield};
    for (int i = 0; i < 2; ++i) {
      double bx = kBonusBayX[i] - ox;
      PanelLabel(cr, names[i], bx + 21, kBonusBayY - 5);
      Recess(cr, bx, kBonusBayY, 42, 28, Hex(0x1a1e24), 3);
      cairo_push_group(cr);
      PaintEmblem(cr, bonus[i], bx + 21, kBonusBayY + 14, 0.9);
      cairo_pop_group_to_source(cr);
      cairo_paint_with_alpha(cr, 0.22);
      Recess(cr, kSecondsX[i] - ox - 5, kBonusBayY + 31, 26, 15, Hex(0x11141a), 2);
    }

    // Speedometer.
    const double dcx = kDialX - ox, dcy = kDialY;
    cairo_arc(cr, dcx, dcy, kDialRadius + 5, 0, 2 * M_PI);
    FillLit(cr, Hex(0xb8bec8), dcx - 50, dcy - 50, 100, 100, 1.2, 0.5);
    cairo_arc(cr, dcx, dcy, kDialRadius + 1, 0, 2 * M_PI);
    cairo_pattern_t* face = cairo_pattern_create_radial(dcx - 12, dcy - 14, 4, dcx, dcy, 46);
    cairo_pattern_add_color_stop_rgb(face, 0, 0.2, 0.23, 0.3);
    cairo_pattern_add_color_stop_rgb(face, 1, 0.06, 0.07, 0.1);
    cairo_set_source(cr, face);
    cairo_fill(cr);
    cairo_pattern_destroy(face);
    // Red zone above the car's top speed, reached only with the turbo.
    cairo_new_path(cr);
    cairo_arc(cr, dcx, dcy, kDialRadius - 4, DialAngle(kDialTopKmh), DialAngle(kDialTurboKmh));
    SetRgb(cr, Hex(0xe02020));
    cairo_set_line_width(cr, 5);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
    cairo_stroke(cr);
    for (int v = 0; v <= kDialTurboKmh; v += 10) {
      double a = DialAngle(v);
      bool major = v % 50 == 0;
      double r0 = kDialRadius - (major ? 9 : 5), r1 = kDialRadius - 1;
      cairo_move_to(cr, dcx + r0 * std::cos(a), dcy + r0 * std::sin(a));
      cairo_line_to(cr, dcx + r1 * std::cos(a), dcy + r1 * std::sin(a));
      SetRgb(cr, v > kDialTopKmh ? Hex(0xffd0d0) : Hex(0xf0f0e8));
      cairo_set_line_width(cr, major ? 1.8 : 1);
      cairo_stroke(cr);
      if (major && v <= kDialTopKmh) {
        std::string t = std::to_string(v);
        SelectFace(cr, Face::Condensed, 9);
        double rt = kDialRadius - 16;
        PlainText(cr, t.c_str(), dcx + rt * std::cos(a), dcy + rt * std::sin(a) + 3.2,
                  Align::Centre, v > kDialTopKmh ? Hex(0xff6a6a) : palette::kMenuLight);
      }
    }
    SelectFace(cr, Face::Condensed, 9);
    PlainText(cr, "км/ч", dcx, dcy + 22, Align::Centre, Hex(0x9aa4b0));
    // Glass reflection over the upper left of the dial.
    cairo_save(cr);
    cairo_arc(cr, dcx, dcy, kDialRadius, 0, 2 * M_PI);
    cairo_clip(cr);
    cairo_arc(cr, dcx - 18, dcy - 22, 40, 0, 2 * M_PI);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.06);
    cairo_fill(cr);
    cairo_restore(cr);
    for (double y : {8.0, 592.0}) {
      Screw(cr, 11, y);
      Screw(cr, 126, y);
    }
  });
}

void DrawPointer(PictureSet& set) {
  Picture& p = set.Make("Pointer");
  p.DrawEachFrameSame([](cairo_t* cr) {
    using namespace instruments;
    const double px = kPointerPivotX, py = kPointerPivotY;
    const double tx = kPointerTipX, ty = kPointerTipY;
    const double a = std::atan2(ty - py, tx - px);
    const double nx = -std::sin(a), ny = std::cos(a);
    // Tapered needle from a short counterweight behind the pivot to the tip.
    const double tail = 6;
    const double bx = px - tail * std::cos(a), by = py - tail * std::sin(a);
    cairo_new_path(cr);
    cairo_move_to(cr, bx + nx * 3, by + ny * 3);
    cairo_line_to(cr, tx + nx * 1.1, ty + ny * 1.1);
    cairo_line_to(cr, tx - nx * 1.1, ty - ny * 1.1);
    cairo_line_to(cr, bx - nx * 3, by - ny * 3);
    cairo_close_path(cr);
    FillLit(cr, Hex(0xff4a1a), tx, py, px - tx, ty - py, 1.1, 0.35);
    cairo_move_to(cr, px, py);
    cairo_line_to(cr, tx + (px - tx) * 0.15, ty + (py - ty) * 0.15);
    cairo_set_source_rgba(cr, 1, 0.95, 0.8, 0.8);
    cairo_set_line_width(cr, 0.8);
    cairo_stroke(cr);
    cairo_arc(cr, px, py, 4.2, 0, 2 * M_PI);
    FillLit(cr, Hex(0xc8ced8), px - 4.2, py - 4.2, 8.4, 8.4, 1, 0.5);
    cairo_arc(cr, px, py, 1.4, 0, 2 * M_PI);
    SetRgb(cr, Hex(0x30343c));
    cairo_fill(cr);
  });
}

// A small top view of the player's car for the progress strip and the lives bay.
void MiniCar(cairo_t* cr, double x, double y, double w, double h, Rgb paint) {
  for (double wy : {y + h * 0.16, y + h * 0.66}) {
    RoundedRect(cr, x, wy, w, h * 0.2, 1);
    SetRgb(cr, Hex(0x1c1c22));
    cairo_fill(cr);
  }
  RoundedRect(cr, x + 1.2, y + 0.5, w - 2.4, h - 1, w * 0.3);
  FillLitAcross(cr, paint, x + 1.2, y, w - 2.4, h, 1);
  RoundedRect(cr, x + 2.6, y + h * 0.3, w - 5.2, h * 0.2, 1);
  SetRgb(cr, Hex(0x22344a));
  cairo_fill(cr);
  RoundedRect(cr, x + 2.6, y + h * 0.5, w - 5.2, h * 0.25, 1);
  FillLitAcross(cr, Shade(paint, 0.1), x + 2.6, y, w - 5.2, h, 0.6);
  cairo_rectangle(cr, x + w / 2 - 0.6, y + 1, 1.2, h - 2);
  cairo_set_source_rgba(cr, 1, 1, 1, 0.7);
  cairo_fill(cr);
}

void DrawLives(PictureSet& set) {
  const char* names[4] = {"PanelLife", "PanelLife2", "PanelLife3", "PanelLife4"};
  for (int n = 1; n <= 4; ++n) {
    Picture& p = set.Make(names[n - 1]);
    p.DrawEachFrameSame([&](cairo_t* cr) {
      for (int i = 0; i < n; ++i) MiniCar(cr, 1 + i * 14, 4, 12, 22, Hex(0xe02424));
    });
  }
  Picture& small = set.Make("SmallCar");
  small.DrawEachFrameSame([](cairo_t* cr) { MiniCar(cr, 0, 0, 12, 20, Hex(0xffd21a)); });
  set.Make("Null").DrawEachFrameSame([](cairo_t*) {});
}

void DrawEnergyBar(PictureSet& set) {
  Picture& p = set.Make("EnergyBar");
  p.DrawEachFrameSame([](cairo_t* cr) {
    using namespace instruments;
    const double w = 450, h = 24;
    RoundedRect(cr, 0.5, 0.5, w - 1, h - 1, 4);
    cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, 0, h);
    cairo_pattern_add_color_stop_rgb(g, 0, 0.3, 0.33, 0.4);
    cairo_pattern_add_color_stop_rgb(g, 1, 0.1, 0.11, 0.14);
    cairo_set_source(cr, g);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(g);
    SetRgb(cr, palette::kOutline);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    PanelLabel(cr, "ЭНЕРГИЯ", 4, 11, Align::Left, 9.5);
    // 42 cells from red on the left to green on the right: damage eats the bar from the right.
    for (int i = 1; i <= kEnergyCells; ++i) {
      double x = EnergyCellX(i) - kEnergyBarX, y = kEnergyCellY - kEnergyBarY;
      double t = static_cast<double>(kEnergyCells - i) / (kEnergyCells - 1);
      Rgb c = t < 0.5 ? Mix(Hex(0xe02020), Hex(0xffd21a), t * 2)
                      : Mix(Hex(0xffd21a), Hex(0x3ce020), (t - 0.5) * 2);
      cairo_rectangle(cr, x, y, 9, 7);
      FillLit(cr, c, x, y, 9, 7, 0.8, 0.4);
    }
  });
  Picture& cell = set.Make("EnergyBarSmall");
  cell.DrawEachFrameSame([](cairo_t* cr) {
    cairo_rectangle(cr, 0, 0, 9, 7);
    SetRgb(cr, Hex(0x1a1d24));
    cairo_fill(cr);
    cairo_rectangle(cr, 0.5, 0.5, 8, 6);
    SetRgb(cr, Hex(0x2e333c));
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
  });
}

void DrawBayLights(PictureSet& set) {
  struct Light {
    const char* name;
    Emblem e;
  };
  const Light small[] = {{"PanelGun", Emblem::Gun},
                         {"PanelGun2", Emblem::Gun2},
                         {"PanelRocket", Emblem::Rockets},
                         {"PanelRocket2", Emblem::Rockets2},
                         {"PanelMegaBomb", Emblem::MegaBomb}};
  for (const Light& l : small) {
    Picture& p = set.Make(l.name);
    p.DrawEachFrameSame([&](cairo_t* cr) {
      Rgb c = EmblemColour(l.e);
      RoundedRect(cr, 0.5, 0.5, 17, 17, 2.5);
      cairo_pattern_t* g = cairo_pattern_create_radial(7, 6, 1, 9, 9, 12);
      Rgb hi = Shade(c, 0.45);
      cairo_pattern_add_color_stop_rgb(g, 0, hi.r, hi.g, hi.b);
      cairo_pattern_add_color_stop_rgb(g, 1, c.r, c.g, c.b);
      cairo_set_source(cr, g);
      cairo_fill_preserve(cr);
      cairo_pattern_destroy(g);
      SetRgb(cr, palette::kOutline);
      cairo_set_line_width(cr, 1);
      cairo_stroke(cr);
      PaintEmblem(cr, l.e, 9, 9, 0.62);
    });
  }
  const Light big[] = {{"PanelEngine", Emblem::Engine}, {"PanelShield", Emblem::Shield}};
  for (const Light& l : big) {
    Picture& p = set.Make(l.name);
    p.DrawEachFrameSame([&](cairo_t* cr) {
      Rgb c = EmblemColour(l.e);
      RoundedRect(cr, 0.5, 0.5, 41, 27, 3);
      cairo_pattern_t* g = cairo_pattern_create_radial(16, 10, 2, 21, 14, 26);
      Rgb hi = Shade(c, 0.5);
      cairo_pattern_add_color_stop_rgb(g, 0, hi.r, hi.g, hi.b);
      cairo_pattern_add_color_stop_rgb(g, 1, Shade(c, -0.2).r, Shade(c, -0.2).g, Shade(c, -0.2).b);
      cairo_set_source(cr, g);
      cairo_fill_preserve(cr);
      cairo_pattern_destroy(g);
      SetRgb(cr, palette::kOutline);
      cairo_set_line_width(cr, 1);
      cairo_stroke(cr);
      PaintEmblem(cr, l.e, 21, 14, 1.05);
    });
  }
}

}  // namespace

// Shared by both archives: the light message frame.
void PaintWindowFrame(cairo_t* cr) {
  const double w = 416, h = 250;
  RoundedRect(cr, 1, 1, w - 2, h - 2, 10);
  FillLit(cr, Hex(0x8a93a4), 1, 1, w - 2, h - 2, 2, 0.35);
  RoundedRect(cr, 9, 9, w - 18, h - 18, 6);
  cairo_pattern_t* g = cairo_pattern_create_linear(0, 9, 0, h - 9);
  cairo_pattern_add_color_stop_rgb(g, 0, 0.97, 0.96, 0.92);
  cairo_pattern_add_color_stop_rgb(g, 1, 0.84, 0.83, 0.79);
  cairo_set_source(cr, g);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(g);
  SetRgb(cr, Hex(0x4a5262));
  cairo_set_line_width(cr, 1.5);
  cairo_stroke(cr);
  // Orange title band with the game's name.
  RoundedRect(cr, 9, 9, w - 18, 30, 6);
  FillLit(cr, palette::kMenuOrange, 9, 9, w - 18, 30, 1.2, 0.3);
  SelectFace(cr, Face::Heavy, 17);
  OutlinedText(cr, "VONTRA", w / 2, 31, Align::Centre, Hex(0xffffff), palette::kMenuLight, 1.8);
  for (double x : {20.0, w - 20}) {
    Screw(cr, x, 24);
    Screw(cr, x, h - 18);
  }
  // Groove above the buttons.
  cairo_move_to(cr, 30, 200.5);
  cairo_line_to(cr, w - 30, 200.5);
  SetRgb(cr, Hex(0xa8a69e));
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  cairo_move_to(cr, 30, 201.5);
  cairo_line_to(cr, w - 30, 201.5);
  SetRgb(cr, Hex(0xffffff));
  cairo_stroke(cr);
}

void DrawInstruments(PictureSet& set) {
  DrawLeftPanel(set);
  DrawRightPanel(set);
  DrawPointer(set);
  DrawLives(set);
  DrawEnergyBar(set);
  DrawBayLights(set);
  set.Make("Window").DrawEachFrameSame(PaintWindowFrame);
  set.Make("Cursor").DrawEachFrameSame([](cairo_t* cr) {
    cairo_rectangle(cr, 0, 0, 2, 24);
    SetRgb(cr, Hex(0x202028));
    cairo_fill(cr);
  });
}

}  // namespace vontra::forge
