// Bonus pickups: a badge per bonus with its emblem, glowing and with a light ring running round.

#include <cmath>

#include "icons.h"
#include "picture_set.h"

namespace vontra::forge {

namespace {

void Outline(cairo_t* cr, double w) {
  SetRgb(cr, palette::kOutline);
  cairo_set_line_width(cr, w);
  cairo_stroke_preserve(cr);
}

void Cartridge(cairo_t* cr, double x, double y, double s) {
  // Brass case with a copper bullet, nose up.
  cairo_new_path(cr);
  cairo_move_to(cr, x - 2.2 * s, y + 7 * s);
  cairo_line_to(cr, x - 2.2 * s, y - 1 * s);
  cairo_curve_to(cr, x - 2.2 * s, y - 5 * s, x, y - 7.5 * s, x, y - 7.5 * s);
  cairo_curve_to(cr, x, y - 7.5 * s, x + 2.2 * s, y - 5 * s, x + 2.2 * s, y - 1 * s);
  cairo_line_to(cr, x + 2.2 * s, y + 7 * s);
  cairo_close_path(cr);
  Outline(cr, 1.6 * s);
  FillLitAcross(cr, Hex(0xe8b030), x - 2.2 * s, 0, 4.4 * s, 0, 0);
  cairo_new_path(cr);
  cairo_move_to(cr, x - 2.2 * s, y - 1 * s);
  cairo_curve_to(cr, x - 2.2 * s, y - 5 * s, x, y - 7.5 * s, x, y - 7.5 * s);
  cairo_curve_to(cr, x, y - 7.5 * s, x + 2.2 * s, y - 5 * s, x + 2.2 * s, y - 1 * s);
  cairo_close_path(cr);
  FillLitAcross(cr, Hex(0xc86a3a), x - 2.2 * s, 0, 4.4 * s, 0, 0);
}

void RocketShape(cairo_t* cr, double x, double y, double s) {
  auto body = [&] {
    cairo_new_path(cr);
    cairo_move_to(cr, x, y - 8 * s);
    cairo_curve_to(cr, x + 2.6 * s, y - 5 * s, x + 2.4 * s, y - 3 * s, x + 2.4 * s, y + 4 * s);
    cairo_line_to(cr, x + 4.5 * s, y + 7.5 * s);
    cairo_line_to(cr, x - 4.5 * s, y + 7.5 * s);
    cairo_line_to(cr, x - 2.4 * s, y + 4 * s);
    cairo_line_to(cr, x - 2.4 * s, y - 3 * s);
    cairo_curve_to(cr, x - 2.4 * s, y - 5 * s, x - 2.6 * s, y - 5 * s, x, y - 8 * s);
    cairo_close_path(cr);
  };
  body();
  Outline(cr, 1.6 * s);
  FillLitAcross(cr, Hex(0xeef0f4), x - 4.5 * s, 0, 9 * s, 0, 0);
  cairo_save(cr);
  body();
  cairo_clip(cr);
  cairo_rectangle(cr, x - 5 * s, y - 9 * s, 10 * s, 4.5 * s);
  SetRgb(cr, Hex(0xe8262a));
  cairo_fill(cr);
  cairo_rectangle(cr, x - 5 * s, y + 4.5 * s, 10 * s, 4 * s);
  SetRgb(cr, Hex(0x3a4a6a));
  cairo_fill(cr);
  cairo_restore(cr);
}

}  // namespace

Rgb EmblemColour(Emblem e) {
  switch (e) {
    case Emblem::Gun:
      return Hex(0x6e7c8e);
    case Emblem::Gun2:
      return Hex(0xe07a10);
    case Emblem::Rockets:
      return Hex(0xc8242c);
    case Emblem::Rockets2:
      return Hex(0x8a36c8);
    case Emblem::MegaBomb:
      return Hex(0xf0c000);
    case Emblem::Energy:
      return Hex(0x22a83a);
    case Emblem::Engine:
      return Hex(0x1f5ee0);
    case Emblem::Shield:
      return Hex(0x10a8c8);
  }
  return Hex(0x808080);
}

void PaintEmblem(cairo_t* cr, Emblem e, double cx, double cy, double s) {
  cairo_save(cr);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  switch (e) {
    case Emblem::Gun:
      Cartridge(cr, cx, cy, s * 1.05);
      break;
    case Emblem::Gun2:
      Cartridge(cr, cx - 3.2 * s, cy, s * 0.95);
      Cartridge(cr, cx + 3.2 * s, cy, s * 0.95);
      break;
    case Emblem::Rockets:
      RocketShape(cr, cx, cy, s * 1.05);
      break;
    case Emblem::Rockets2:
      RocketShape(cr, cx - 4 * s, cy + 0.5 * s, s * 0.8);
      RocketShape(cr, cx + 4 * s, cy + 0.5 * s, s * 0.8);
      break;
    case Emblem::MegaBomb: {
      cairo_arc(cr, cx - 0.5 * s, cy + 1.5 * s, 6.3 * s, 0, 2 * M_PI);
      Outline(cr, 1.6 * s);
      FillLit(cr, Hex(0x30323c), cx - 7 * s, cy - 5 * s, 13 * s, 13 * s, 0, 0.5);
      Gloss(cr, cx - 7 * s, cy - 5 * s, 13 * s, 13 * s, 0.7);
      RoundedRect(cr, cx + 1.8 * s, cy - 6.5 * s, 3.5 * s, 3 * s, 0.8 * s);
      Outline(cr, 1.2 * s);
      SetRgb(cr, Hex(0x8a8e98));
      cairo_fill(cr);
      cairo_move_to(cr, cx + 3.5 * s, cy - 6.5 * s);
      cairo_curve_to(cr, cx + 4 * s, cy - 9 * s, cx + 6 * s, cy - 8 * s, cx + 6.5 * s, cy - 9 * s);
      SetRgb(cr, Hex(0xd8c8a0));
      cairo_set_line_width(cr, 1.1 * s);
      cairo_stroke(cr);
      Glow(cr, cx + 6.5 * s, cy - 9 * s, 3 * s, Hex(0xfff080), 1);
      break;
    }
    case Emblem::Energy: {
      // A white cross: repair.
      cairo_new_path(cr);
      double a = 2.6 * s, b = 7.5 * s;
      cairo_move_to(cr, cx - a, cy - b);
      cairo_line_to(cr, cx + a, cy - b);
      cairo_line_to(cr, cx + a, cy - a);
      cairo_line_to(cr, cx + b, cy - a);
      cairo_line_to(cr, cx + b, cy + a);
      cairo_line_to(cr, cx + a, cy + a);
      cairo_line_to(cr, cx + a, cy + b);
      cairo_line_to(cr, cx - a, cy + b);
      cairo_line_to(cr, cx - a, cy + a);
      cairo_line_to(cr, cx - b, cy + a);
      cairo_line_to(cr, cx - b, cy - a);
      cairo_line_to(cr, cx - a, cy - a);
      cairo_close_path(cr);
      Outline(cr, 1.8 * s);
      FillLit(cr, Hex(0xf4fff4), cx - b, cy - b, 2 * b, 2 * b, 0, 0.2);
      break;
    }
    case Emblem::Engine: {
      // Lightning bolt: the turbo.
      cairo_new_path(cr);
      cairo_move_to(cr, cx + 2 * s, cy - 8.5 * s);
      cairo_line_to(cr, cx - 5 * s, cy + 1 * s);
      cairo_line_to(cr, cx - 0.5 * s, cy + 1 * s);
      cairo_line_to(cr, cx - 2.5 * s, cy + 8.5 * s);
      cairo_line_to(cr, cx + 5 * s, cy - 1.5 * s);
      cairo_line_to(cr, cx + 0.5 * s, cy - 1.5 * s);
      cairo_close_path(cr);
      Outline(cr, 1.8 * s);
      FillLit(cr, Hex(0xffd820), cx - 5 * s, cy - 8.5 * s, 10 * s, 17 * s, 0, 0.4);
      break;
    }
    case Emblem::Shield: {
      cairo_new_path(cr);
      cairo_move_to(cr, cx, cy - 8 * s);
      cairo_curve_to(cr, cx + 3 * s, cy - 6 * s, cx + 5 * s, cy - 6.5 * s, cx + 6.5 * s,
                     cy - 6.5 * s);
      cairo_curve_to(cr, cx + 6.5 * s, cy + 1 * s, cx + 4 * s, cy + 5.5 * s, cx, cy + 8.5 * s);
      cairo_curve_to(cr, cx - 4 * s, cy + 5.5 * s, cx - 6.5 * s, cy + 1 * s, cx - 6.5 * s,
                     cy - 6.5 * s);
      cairo_curve_to(cr, cx - 5 * s, cy - 6.5 * s, cx - 3 * s, cy - 6 * s, cx, cy - 8 * s);
      cairo_close_path(cr);
      Outline(cr, 1.8 * s);
      FillLit(cr, Hex(0xdde6f0), cx - 6.5 * s, cy - 8 * s, 13 * s, 16 * s, 0, 0.4);
      cairo_move_to(cr, cx, cy - 6 * s);
      cairo_line_to(cr, cx, cy + 6.3 * s);
      cairo_move_to(cr, cx - 4.8 * s, cy - 2 * s);
      cairo_line_to(cr, cx + 4.8 * s, cy - 2 * s);
      SetRgb(cr, Hex(0x1f5ee0));
      cairo_set_line_width(cr, 1.6 * s);
      cairo_stroke(cr);
      break;
    }
  }
  cairo_restore(cr);
}

namespace {

void DrawBonus(PictureSet& set, const char* name, Emblem e) {
  Picture& p = set.Make(name);
  const Rgb base = EmblemColour(e);
  p.DrawFrames([&](cairo_t* cr, int f) {
    const double cx = 16, cy = 16;
    const double phase = f * 2 * M_PI / 8;
    // Pulsing halo.
    double pulse = 0.5 + 0.5 * std::cos(phase);
    Glow(cr, cx, cy, 16, Shade(base, 0.5), 0.35 + 0.45 * pulse);
    // Badge: a rounded octagon with a bevel.
    auto badge = [&](double r) {
      cairo_new_path(cr);
      for (int i = 0; i < 8; ++i) {
        double a = (i + 0.5) * M_PI / 4;
        double x = cx + r * std::cos(a), y = cy + r * std::sin(a);
        if (i == 0)
          cairo_move_to(cr, x, y);
        else
          cairo_line_to(cr, x, y);
      }
      cairo_close_path(cr);
    };
    badge(13.5);
    FillLit(cr, Shade(base, -0.2), 2.5, 2.5, 27, 27, 1.5, 0.5);
    badge(10.8);
    FillLit(cr, Shade(base, 0.1 + 0.12 * pulse), 5, 5, 22, 22, 0.8, 0.3);
    // A shine band sweeps across the badge.
    cairo_save(cr);
    badge(10.8);
    cairo_clip(cr);
    double sx = -14 + f * 6;
    cairo_move_to(cr, sx, 32);
    cairo_line_to(cr, sx + 6, 32);
    cairo_line_to(cr, sx + 22, 0);
    cairo_line_to(cr, sx + 16, 0);
    cairo_close_path(cr);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.35);
    cairo_fill(cr);
    cairo_restore(cr);
    PaintEmblem(cr, e, cx, cy, 0.95);
    // Lights running round the rim.
    for (int k = 0; k < 2; ++k) {
      double a = phase + k * M_PI - M_PI / 2;
      double x = cx + 12.2 * std::cos(a), y = cy + 12.2 * std::sin(a);
      Glow(cr, x, y, 3.2, Hex(0xffffe0), 1);
    }
  });
}

}  // namespace

void DrawBonuses(PictureSet& set) {
  DrawBonus(set, "Gun", Emblem::Gun);
  DrawBonus(set, "Gun2", Emblem::Gun2);
  DrawBonus(set, "Rockets", Emblem::Rockets);
  DrawBonus(set, "Rockets2", Emblem::Rockets2);
  DrawBonus(set, "MegaBomb", Emblem::MegaBomb);
  DrawBonus(set, "Energy", Emblem::Energy);
  DrawBonus(set, "Engine", Emblem::Engine);
  DrawBonus(set, "Shield", Emblem::Shield);
}

}  // namespace vontra::forge
