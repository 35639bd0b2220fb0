// The front end: the dusk backdrop, header and footer, buttons, captions, sub-screen panels,
// option rows, the car choice plates, the credits emblem and the message window.

#include <cmath>
#include <string>

#include "icons.h"
#include "picture_set.h"
#include "vehicles.h"

namespace vontra::forge {

void PaintWindowFrame(cairo_t* cr);  // draw_instruments.cpp

namespace {

const Rgb kPlate = Hex(0x27304a);
const Rgb kPlateLit = Hex(0x3a4a78);

void HeavyText(cairo_t* cr, const char* text, double x, double y, double size, Align align,
               bool lit = true, double outline = 2.5) {
  SelectFace(cr, Face::Heavy, size);
  if (lit) {
    OutlinedText(cr, text, x, y, align, Hex(0xfff3b0), palette::kMenuOrange, outline);
  } else {
    OutlinedText(cr, text, x, y, align, palette::kMenuLight, Shade(palette::kMenuOrange, -0.2),
                 outline);
  }
}

// A menu plate: dark blue-grey unlit; lit, it turns brighter with a hot orange rim and glow.
void ButtonPlate(cairo_t* cr, double w, double h, const char* text, double size, bool lit) {
  const double r = h * 0.3;
  if (lit) {
    RoundedRect(cr, 0.5, 0.5, w - 1, h - 1, r + 1);
    SetRgb(cr, palette::kMenuOrange);
    cairo_fill(cr);
  }
  RoundedRect(cr, 2, 2, w - 4, h - 4, r);
  cairo_pattern_t* g = cairo_pattern_create_linear(0, 2, 0, h - 2);
  Rgb top = Shade(lit ? kPlateLit : kPlate, 0.25), bottom = Shade(lit ? kPlateLit : kPlate, -0.3);
  cairo_pattern_add_color_stop_rgb(g, 0, top.r, top.g, top.b);
  cairo_pattern_add_color_stop_rgb(g, 0.5, lit ? kPlateLit.r : kPlate.r,
                                   lit ? kPlateLit.g : kPlate.g, lit ? kPlateLit.b : kPlate.b);
  cairo_pattern_add_color_stop_rgb(g, 1, bottom.r, bottom.g, bottom.b);
  cairo_set_source(cr, g);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(g);
  SetRgb(cr, lit ? Hex(0xffe08a) : Hex(0x5a6a8e));
  cairo_set_line_width(cr, lit ? 2 : 1.5);
  cairo_stroke(cr);
  // Glassy upper half.
  RoundedRect(cr, 5, 4, w - 10, h * 0.42, r * 0.7);
  cairo_set_source_rgba(cr, 1, 1, 1, lit ? 0.16 : 0.08);
  cairo_fill(cr);
  if (lit && w >= 120) {
    // Arrow markers on both ends point at the chosen item.
    for (int side = 0; side < 2; ++side) {
      double x = side == 0 ? 10 : w - 10;
      double d = side == 0 ? 1 : -1;
      cairo_move_to(cr, x, h / 2 - 5);
      cairo_line_to(cr, x + d * 7, h / 2);
      cairo_line_to(cr, x, h / 2 + 5);
      cairo_close_path(cr);
      FillLit(cr, palette::kBanner, x - 7, h / 2 - 5, 14, 10, 1, 0.3);
    }
  }
  cairo_font_extents_t fe;
  SelectFace(cr, Face::Heavy, size);
  cairo_font_extents(cr, &fe);
  HeavyText(cr, text, w / 2, h / 2 + size * 0.36, size, Align::Centre, lit, lit ? 2.5 : 2);
}

void DrawButton(PictureSet& set, const char* name, const char* text, double size, bool lit) {
  Picture& p = set.Make(name, Archive::Menu);
  p.DrawEachFrameSame(
      [&](cairo_t* cr) { ButtonPlate(cr, p.frame_width(), p.frame_height(), text, size, lit); });
}

void DrawTwoStateButton(PictureSet& set, const char* name, const char* text, double size) {
  Picture& p = set.Make(name, Archive::Menu);
  p.DrawFrames([&](cairo_t* cr, int f) {
    ButtonPlate(cr, p.frame_width(), p.frame_height(), text, size, f == 1);
  });
}

// --- the backdrop --------------------------------------------------------------------------

void Sky(cairo_t* cr, double w, double horizon) {
  cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, 0, horizon);
  cairo_pattern_add_color_stop_rgb(g, 0, 0.06, 0.05, 0.18);
  cairo_pattern_add_color_stop_rgb(g, 0.45, 0.22, 0.1, 0.36);
  cairo_pattern_add_color_stop_rgb(g, 0.78, 0.72, 0.25, 0.3);
  cairo_pattern_add_color_stop_rgb(g, 1, 1.0, 0.62, 0.25);
  cairo_set_source(cr, g);
  cairo_rectangle(cr, 0, 0, w, horizon);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
}

void DrawBackground(PictureSet& set) {
  Picture& p = set.Make("MMBackground", Archive::Menu);
  p.DrawEachFrameSame([](cairo_t* cr) {
    const double w = 800, h = 600, horizon = 300, vx = 420;
    Sky(cr, w, horizon);
    Rng rng(SeedOf("menu-backdrop"));
    // Stars in the upper sky.
    for (int i = 0; i < 90; ++i) {
      double x = rng.Range(0, w), y = rng.Range(0, horizon * 0.5);
      double a = rng.Range(0.3, 1.0) * (1 - y / (horizon * 0.5));
      cairo_rectangle(cr, x, y, 1.4, 1.4);
      cairo_set_source_rgba(cr, 1, 0.95, 0.85, a);
      cairo_fill(cr);
    }
    // The setting sun with bands, half behind the hills.
    cairo_save(cr);
    cairo_rectangle(cr, 0, 0, w, horizon);
    cairo_clip(cr);
    Glow(cr, vx, horizon - 10, 220, Hex(0xffa040), 0.55);
    cairo_arc(cr, vx, horizon - 12, 64, 0, 2 * M_PI);
    cairo_pattern_t* sun = cairo_pattern_create_linear(0, horizon - 70, 0, horizon);
    cairo_pattern_add_color_stop_rgb(sun, 0, 1, 0.95, 0.55);
    cairo_pattern_add_color_stop_rgb(sun, 1, 1, 0.42, 0.3);
    cairo_set_source(cr, sun);
    cairo_fill(cr);
    cairo_pattern_destroy(sun);
    for (int i = 0; i < 5; ++i) {
      double y = horizon - 40 + i * 7.5;
      cairo_rectangle(cr, vx - 70, y, 140, 2 + i * 0.8);
      cairo_set_source_rgb(cr, 0.72, 0.25, 0.3);
      cairo_fill(cr);
    }
    cairo_restore(cr);
    // Far mountains and a city skyline with lit windows.
    for (int layer = 0; layer < 2; ++layer) {
      cairo_move_to(cr, 0, horizon);
      double x = 0;
      while (x < w) {
        double nx = x + rng.Range(40, 110);
        // The hills dip where the sun sets behind the road.
        double dip = std::min(1.0, std::abs((x + nx) / 2 - vx) / 220 + 0.25);
        double peak = horizon - rng.Range(layer ? 20 : 45, layer ? 55 : 110) * dip;
        cairo_line_to(cr, (x + nx) / 2, peak);
        x = nx;
      }
      cairo_line_to(cr, w, horizon);
      cairo_close_path(cr);
      SetRgb(cr, layer ? Hex(0x2c1c3e) : Hex(0x3e2650));
      cairo_fill(cr);
    }
    for (double x = 0; x < w;) {
      double bw = rng.Range(14, 34), bh = rng.Range(12, 60);
      if (std::abs(x - vx) < 90) bh *= 0.4;
      cairo_rectangle(cr, x, horizon - bh, bw, bh);
      SetRgb(cr, Hex(0x1c1430));
      cairo_fill(cr);
      for (double wy = horizon - bh + 4; wy < horizon - 3; wy += 6) {
        for (double wx = x + 3; wx < x + bw - 3; wx += 5) {
          if (rng.Uniform() < 0.3) {
            cairo_rectangle(cr, wx, wy, 2, 2.5);
            SetRgb(cr, rng.Uniform() < 0.7 ? Hex(0xffd27a) : Hex(0x9ad8ff));
            cairo_fill(cr);
          }
        }
      }
      x += bw + rng.Range(0, 6);
    }
    // Ground: dark fields falling away from the road.
    cairo_pattern_t* ground = cairo_pattern_create_linear(0, horizon, 0, h);
    cairo_pattern_add_color_stop_rgb(ground, 0, 0.16, 0.1, 0.2);
    cairo_pattern_add_color_stop_rgb(ground, 1, 0.05, 0.08, 0.1);
    cairo_set_source(cr, ground);
    cairo_rectangle(cr, 0, horizon, w, h - horizon);
    cairo_fill(cr);
    cairo_pattern_destroy(ground);
    // The road in perspective, lit by the sunset.
    auto road_x = [&](double t, double side) { return vx + side * (6 + t * 420); };
    cairo_move_to(cr, road_x(0, -1), horizon);
    cairo_line_to(cr, road_x(0, 1), horizon);
    cairo_line_to(cr, road_x(1, 1), h);
    cairo_line_to(cr, road_x(1, -1), h);
    cairo_close_path(cr);
    cairo_pattern_t* asphalt = cairo_pattern_create_linear(0, horizon, 0, h);
    cairo_pattern_add_color_stop_rgb(asphalt, 0, 0.55, 0.35, 0.35);
    cairo_pattern_add_color_stop_rgb(asphalt, 0.25, 0.22, 0.18, 0.26);
    cairo_pattern_add_color_stop_rgb(asphalt, 1, 0.12, 0.12, 0.16);
    cairo_set_source(cr, asphalt);
    cairo_fill(cr);
    cairo_pattern_destroy(asphalt);
    // Edge lines and centre dashes, spaced by perspective.
    for (double side : {-0.94, 0.94}) {
      cairo_move_to(cr, vx + side * 6, horizon);
      cairo_line_to(cr, vx + side * 426, h);
      cairo_set_line_width(cr, 3);
      SetRgb(cr, Hex(0xe8d8c8));
      cairo_stroke(cr);
    }
    for (int i = 0; i < 14; ++i) {
      double t0 = std::pow(i / 14.0, 2.2), t1 = std::pow((i + 0.5) / 14.0, 2.2);
      double y0 = horizon + t0 * (h - horizon), y1 = horizon + t1 * (h - horizon);
      double w0 = 0.6 + t0 * 7, w1 = 0.6 + t1 * 7;
      cairo_move_to(cr, vx - w0 / 2, y0);
      cairo_line_to(cr, vx + w0 / 2, y0);
      cairo_line_to(cr, vx + w1 / 2, y1);
      cairo_line_to(cr, vx - w1 / 2, y1);
      cairo_close_path(cr);
      SetRgb(cr, Hex(0xffd070));
      cairo_fill(cr);
    }
    // The sunset's sheen on the asphalt.
    Glow(cr, vx, horizon + 20, 160, Hex(0xff8040), 0.35);
    // Street lamps down both sides, lit, shrinking towards the horizon.
    for (int i = 0; i < 7; ++i) {
      double t = std::pow((i + 1) / 7.0, 1.8);
      double y = horizon + t * (h - horizon);
      double scale = 0.08 + t * 1.1;
      for (double side : {-1.0, 1.0}) {
        double x = vx + side * (6 + t * 420) * 1.18;
        double top = y - 120 * scale;
        cairo_rectangle(cr, x - 2 * scale, top, 4 * scale, y - top);
        SetRgb(cr, Hex(0x20182a));
        cairo_fill(cr);
        cairo_move_to(cr, x, top);
        cairo_line_to(cr, x - side * 22 * scale, top);
        cairo_set_line_width(cr, 3 * scale);
        cairo_stroke(cr);
        double lx = x - side * 22 * scale;
        Glow(cr, lx, top + 2 * scale, 26 * scale, Hex(0xffb050), 0.6);
        RoundedRect(cr, lx - 6 * scale, top, 12 * scale, 4 * scale, 2 * scale);
        SetRgb(cr, Hex(0xffe0a0));
        cairo_fill(cr);
      }
    }
    // Our car from behind: wide body, glowing tail lights, exhaust glow.
    const double cx = 360, cy = 470, cw = 150;
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_arc(cr, 0, 50, 1, 0, 0);
    cairo_save(cr);
    cairo_scale(cr, 1, 0.18);
    cairo_arc(cr, 0, 330, cw * 0.62, 0, 2 * M_PI);
    cairo_restore(cr);
    SetRgb(cr, Hex(0x0c0c12));
    cairo_fill(cr);
    for (double sx : {-1.0, 1.0}) {
      RoundedRect(cr, sx * cw * 0.5 - (sx < 0 ? 0 : 26), 22, 26, 36, 5);
      SetRgb(cr, Hex(0x18181e));
      cairo_fill(cr);
    }
    // Body.
    cairo_move_to(cr, -cw * 0.5, 40);
    cairo_curve_to(cr, -cw * 0.52, 10, -cw * 0.45, -8, -cw * 0.3, -14);
    cairo_line_to(cr, cw * 0.3, -14);
    cairo_curve_to(cr, cw * 0.45, -8, cw * 0.52, 10, cw * 0.5, 40);
    cairo_close_path(cr);
    FillLit(cr, Hex(0xc82020), -cw * 0.5, -14, cw, 54, 2, 0.4);
    // Cabin with the rear window.
    cairo_move_to(cr, -cw * 0.3, -14);
    cairo_curve_to(cr, -cw * 0.26, -40, -cw * 0.2, -46, 0, -46);
    cairo_curve_to(cr, cw * 0.2, -46, cw * 0.26, -40, cw * 0.3, -14);
    cairo_close_path(cr);
    FillLit(cr, Hex(0xa81818), -cw * 0.3, -46, cw * 0.6, 32, 2, 0.4);
    cairo_move_to(cr, -cw * 0.24, -17);
    cairo_curve_to(cr, -cw * 0.2, -36, -cw * 0.16, -40, 0, -40);
    cairo_curve_to(cr, cw * 0.16, -40, cw * 0.2, -36, cw * 0.24, -17);
    cairo_close_path(cr);
    cairo_pattern_t* glass = cairo_pattern_create_linear(-30, -40, 30, -17);
    cairo_pattern_add_color_stop_rgb(glass, 0, 0.95, 0.6, 0.45);
    cairo_pattern_add_color_stop_rgb(glass, 0.4, 0.25, 0.18, 0.3);
    cairo_pattern_add_color_stop_rgb(glass, 1, 0.1, 0.1, 0.16);
    cairo_set_source(cr, glass);
    cairo_fill(cr);
    cairo_pattern_destroy(glass);
    // White stripes over the roof and boot.
    for (double sx : {-9.0, 4.0}) {
      cairo_rectangle(cr, sx, -14, 5, 54);
      SetRgb(cr, Hex(0xf0ece8));
      cairo_fill(cr);
    }
    // Spoiler.
    RoundedRect(cr, -cw * 0.55, -8, cw * 1.1, 9, 3);
    FillLit(cr, Hex(0x2a2a32), -cw * 0.55, -8, cw * 1.1, 9, 1.5, 0.4);
    // Tail lights and number plate.
    for (double sx : {-1.0, 1.0}) {
      double lx = sx < 0 ? -cw * 0.46 : cw * 0.46 - 34;
      Glow(cr, lx + 17, 14, 40, Hex(0xff2020), 0.6);
      RoundedRect(cr, lx, 9, 34, 10, 3);
      SetRgb(cr, Hex(0xff3030));
      cairo_fill(cr);
      RoundedRect(cr, lx + 3, 11, 12, 3, 1.5);
      SetRgb(cr, Hex(0xffd0c0));
      cairo_fill(cr);
    }
    RoundedRect(cr, -18, 22, 36, 11, 2);
    FillLit(cr, Hex(0xf0f0e8), -18, 22, 36, 11, 1.2, 0.2);
    SelectFace(cr, Face::Heavy, 9);
    PlainText(cr, "VONTRA", 0, 31, Align::Centre, Hex(0x1a2a6a));
    for (double sx : {-24.0, 24.0}) {
      cairo_arc(cr, sx, 41, 4, 0, 2 * M_PI);
      SetRgb(cr, Hex(0x50505a));
      cairo_fill(cr);
      Glow(cr, sx, 44, 12, Hex(0xff9a30), 0.7);
    }
    cairo_restore(cr);
    // The name, high in the sky (the header covers it once it slides in).
    HeavyText(cr, "VONTRA", 400, 80, 64, Align::Centre, true, 4);
  });
}

void Stripe(cairo_t* cr, double x, double y, double w, double h) {
  cairo_save(cr);
  cairo_rectangle(cr, x, y, w, h);
  cairo_clip(cr);
  SetRgb(cr, Hex(0xf0b400));
  cairo_paint(cr);
  for (double sx = x - h; sx < x + w; sx += 2 * h) {
    cairo_move_to(cr, sx, y + h);
    cairo_line_to(cr, sx + h, y + h);
    cairo_line_to(cr, sx + 2 * h, y);
    cairo_line_to(cr, sx + h, y);
    cairo_close_path(cr);
  }
  SetRgb(cr, Hex(0x1c1c22));
  cairo_fill(cr);
  cairo_restore(cr);
}

void PanelMetal(cairo_t* cr, double w, double y0, double y1) {
  cairo_pattern_t* g = cairo_pattern_create_linear(0, y0, 0, y1);
  cairo_pattern_add_color_stop_rgb(g, 0, 0.28, 0.32, 0.42);
  cairo_pattern_add_color_stop_rgb(g, 0.5, 0.16, 0.19, 0.27);
  cairo_pattern_add_color_stop_rgb(g, 1, 0.1, 0.12, 0.18);
  cairo_set_source(cr, g);
  cairo_rectangle(cr, 0, y0, w, y1 - y0);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
}

void DrawHeaderFooter(PictureSet& set) {
  Picture& up = set.Make("UpPanel", Archive::Menu);
  up.DrawEachFrameSame([](cairo_t* cr) {
    const double w = 800;
    PanelMetal(cr, w, 0, 92);
    // Lower edge: an orange trim with a hazard-striped centre tab under the logo.
    cairo_move_to(cr, 0, 88);
    cairo_line_to(cr, 230, 88);
    cairo_line_to(cr, 250, 104);
    cairo_line_to(cr, 550, 104);
    cairo_line_to(cr, 570, 88);
    cairo_line_to(cr, w, 88);
    cairo_line_to(cr, w, 92);
    cairo_line_to(cr, 572, 92);
    cairo_line_to(cr, 0, 92);
    cairo_close_path(cr);
    FillLit(cr, palette::kMenuOrange, 0, 88, w, 16, 1, 0.3);
    cairo_move_to(cr, 232, 88);
    cairo_line_to(cr, 568, 88);
    cairo_line_to(cr, 550, 101);
    cairo_line_to(cr, 250, 101);
    cairo_close_path(cr);
    PanelMetal(cr, w, 80, 104);
    cairo_move_to(cr, 232, 88);
    cairo_line_to(cr, 568, 88);
    cairo_line_to(cr, 550, 101);
    cairo_line_to(cr, 250, 101);
    cairo_close_path(cr);
    cairo_clip(cr);
    Stripe(cr, 240, 92, 320, 6);
    cairo_reset_clip(cr);
    Glow(cr, 400, 48, 260, Hex(0xff8a20), 0.25);
    HeavyText(cr, "VONTRA", 400, 72, 66, Align::Centre, true, 4);
    SelectFace(cr, Face::Condensed, 15);
    OutlinedText(cr, "ГОНКА  СО  СТРЕЛЬБОЙ", 400, 89, Align::Centre, palette::kMenuLight,
                 palette::kMenuLight, 0);
    for (double x : {16.0, 784.0}) {
      cairo_arc(cr, x, 16, 4, 0, 2 * M_PI);
      FillLit(cr, Hex(0x9aa2ae), x - 4, 12, 8, 8, 1, 0.5);
    }
  });
  Picture& down = set.Make("DownPanel", Archive::Menu);
  down.DrawEachFrameSame([](cairo_t* cr) {
    const double w = 800;
    PanelMetal(cr, w, 6, 70);
    cairo_rectangle(cr, 0, 0, w, 6);
    FillLit(cr, palette::kMenuOrange, 0, 0, w, 6, 1, 0.3);
    Stripe(cr, 0, 62, w, 8);
    SelectFace(cr, Face::Condensed, 16);
    OutlinedText(cr, "Стрелки — выбор     Enter — ввод     Esc — назад", 400, 40, Align::Centre,
                 palette::kMenuLight, palette::kMenuOrange, 1.5);
  });
}

// --- captions: a picture beside a big word -------------------------------------------------

void CaptionText(cairo_t* cr, const char* title, const char* line) {
  HeavyText(cr, title, 470, 120, 44, Align::Right, true, 3.5);
  SelectFace(cr, Face::Condensed, 20);
  OutlinedText(cr, line, 470, 152, Align::Right, palette::kMenuLight, palette::kMenuLight, 2);
}

void SpeedLines(cairo_t* cr, double x0, double x1, double y0, double y1) {
  Rng rng(SeedOf("speed-lines"));
  for (int i = 0; i < 9; ++i) {
    double y = rng.Range(y0, y1), len = rng.Range(30, x1 - x0);
    RoundedRect(cr, x1 - len, y, len, 3, 1.5);
    cairo_pattern_t* g = cairo_pattern_create_linear(x1 - len, 0, x1, 0);
    cairo_pattern_add_color_stop_rgba(g, 0, 1, 0.8, 0.4, 0);
    cairo_pattern_add_color_stop_rgba(g, 1, 1, 0.85, 0.5, 1);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
  }
}

void Gear(cairo_t* cr, double cx, double cy, double r, int teeth, Rgb c) {
  cairo_new_path(cr);
  for (int i = 0; i < teeth * 2; ++i) {
    double a0 = i * M_PI / teeth, a1 = (i + 1) * M_PI / teeth;
    double rr = i % 2 ? r * 0.8 : r;
    cairo_arc(cr, cx, cy, rr, a0, a1);
  }
  cairo_close_path(cr);
  cairo_new_sub_path(cr);
  cairo_arc_negative(cr, cx, cy, r * 0.35, 2 * M_PI, 0);
  FillLit(cr, c, cx - r, cy - r, 2 * r, 2 * r, 3, 0.45);
}

void DrawCaptions(PictureSet& set) {
  struct Caption {
    const char* name;
    const char* title;
    const char* line;
  };
  const Caption captions[] = {
      {"StartC", "СТАРТ!", "выбери машину и вперёд"},
      {"OptionsC", "НАСТРОЙКИ", "экран, музыка и звук"},
      {"HSC", "РЕКОРДЫ", "десять лучших гонщиков"},
      {"HelpC", "ПОМОЩЬ", "правила, бонусы, клавиши"},
      {"VisitWWWC", "ЕЩЁ ИГРЫ", "наши другие игры"},
      {"ExitC", "ВЫХОД", "до новых гонок!"},
  };
  for (const Caption& c : captions) {
    Picture& p = set.Make(c.name, Archive::Menu);
    const std::string name = c.name;
    p.DrawEachFrameSame([&](cairo_t* cr) {
      Glow(cr, 120, 120, 110, Hex(0xff9a30), 0.35);
      if (name == "StartC") {
        SpeedLines(cr, 0, 110, 60, 180);
        cairo_save(cr);
        cairo_translate(cr, 165, 118);
        cairo_rotate(cr, M_PI / 2 - 0.15);
        cairo_scale(cr, 2.8, 2.8);
        cairo_translate(cr, -20, -36);
        PaintVehicle(cr, PlayerCar(1), 40, 72);
        cairo_restore(cr);
      } else if (name == "OptionsC") {
        Gear(cr, 100, 110, 62, 10, Hex(0x9aa6b8));
        Gear(cr, 178, 170, 38, 8, palette::kMenuOrange);
      } else if (name == "HSC") {
        // Trophy cup.
        cairo_move_to(cr, 70, 40);
        cairo_line_to(cr, 170, 40);
        cairo_curve_to(cr, 170, 120, 150, 140, 120, 145);
        cairo_curve_to(cr, 90, 140, 70, 120, 70, 40);
        cairo_close_path(cr);
        FillLit(cr, Hex(0xf2c02a), 70, 40, 100, 105, 3, 0.5);
        for (double s : {-1.0, 1.0}) {
          cairo_new_path(cr);
          cairo_arc(cr, 120 + s * 52, 70, 20, 0, 2 * M_PI);
          cairo_set_line_width(cr, 12);
          SetRgb(cr, palette::kOutline);
          cairo_stroke_preserve(cr);
          cairo_set_line_width(cr, 7);
          SetRgb(cr, Hex(0xe0a820));
          cairo_stroke(cr);
        }
        RoundedRect(cr, 108, 143, 24, 30, 3);
        FillLit(cr, Hex(0xd8a020), 108, 143, 24, 30, 3, 0.4);
        RoundedRect(cr, 80, 172, 80, 26, 4);
        FillLit(cr, Hex(0x6a3a1c), 80, 172, 80, 26, 3, 0.4);
        HeavyText(cr, "1", 120, 110, 48, Align::Centre, false, 3);
        Gloss(cr, 72, 40, 60, 90, 0.5);
      } else if (name == "HelpC") {
        cairo_arc(cr, 115, 115, 80, 0, 2 * M_PI);
        FillLit(cr, Hex(0x2a6ad8), 35, 35, 160, 160, 3, 0.45);
        HeavyText(cr, "?", 115, 160, 130, Align::Centre, true, 4);
        Gloss(cr, 40, 40, 150, 150, 0.35);
      } else if (name == "VisitWWWC") {
        cairo_arc(cr, 115, 115, 80, 0, 2 * M_PI);
        FillLit(cr, Hex(0x1aa0c8), 35, 35, 160, 160, 3, 0.45);
        cairo_save(cr);
        cairo_arc(cr, 115, 115, 80, 0, 2 * M_PI);
        cairo_clip(cr);
        // Continents and the lines of a globe.
        Rng rng(SeedOf("globe"));
        for (int i = 0; i < 7; ++i) {
          double x = rng.Range(50, 180), y = rng.Range(50, 180);
          cairo_save(cr);
          cairo_translate(cr, x, y);
          cairo_scale(cr, rng.Range(1, 2), 1);
          cairo_arc(cr, 0, 0, rng.Range(10, 20), 0, 2 * M_PI);
          cairo_restore(cr);
          SetRgb(cr, Hex(0x3cc040));
          cairo_fill(cr);
        }
        cairo_set_line_width(cr, 2);
        SetRgb(cr, Hex(0xe0f4ff), 0.8);
        for (double k : {-0.6, 0.0, 0.6}) {
          cairo_save(cr);
          cairo_translate(cr, 115, 115);
          cairo_scale(cr, std::cos(k * 1.2) * 0.9 + 0.05, 1);
          cairo_arc(cr, 0, 0, 80, 0, 2 * M_PI);
          cairo_restore(cr);
          cairo_stroke(cr);
          cairo_move_to(cr, 35, 115 + k * 70);
          cairo_line_to(cr, 195, 115 + k * 70);
          cairo_stroke(cr);
        }
        cairo_restore(cr);
        Gloss(cr, 40, 40, 150, 150, 0.4);
      } else if (name == "ExitC") {
        // An open door with an arrow leaving through it.
        RoundedRect(cr, 60, 30, 110, 170, 4);
        FillLit(cr, Hex(0x4a3424), 60, 30, 110, 170, 3, 0.3);
        RoundedRect(cr, 72, 42, 86, 158, 2);
        SetRgb(cr, Hex(0xffe0a0));
        cairo_fill(cr);
        cairo_move_to(cr, 72, 42);
        cairo_line_to(cr, 118, 58);
        cairo_line_to(cr, 118, 214);
        cairo_line_to(cr, 72, 200);
        cairo_close_path(cr);
        FillLit(cr, Hex(0x9a5a2a), 72, 42, 46, 172, 3, 0.35);
        cairo_arc(cr, 108, 130, 4, 0, 2 * M_PI);
        SetRgb(cr, Hex(0xf0c040));
        cairo_fill(cr);
        cairo_move_to(cr, 130, 100);
        cairo_line_to(cr, 180, 100);
        cairo_line_to(cr, 180, 80);
        cairo_line_to(cr, 220, 120);
        cairo_line_to(cr, 180, 160);
        cairo_line_to(cr, 180, 140);
        cairo_line_to(cr, 130, 140);
        cairo_close_path(cr);
        FillLit(cr, Hex(0xe83a2a), 130, 80, 90, 80, 3, 0.4);
      }
      CaptionText(cr, c.title, c.line);
    });
  }
  set.Make("NullCaption", Archive::Menu).DrawEachFrameSame([](cairo_t*) {});
}

// --- sub-screen panels ---------------------------------------------------------------------

constexpr double kHelpPanelWidth = 500;

void SubPanel(cairo_t* cr, double band, const char* title, double w = 480) {
  const double h = 360;
  RoundedRect(cr, 1, 1, w - 2, h - 2, 12);
  SetRgb(cr, palette::kMenuOrange);
  cairo_fill(cr);
  RoundedRect(cr, 4, 4, w - 8, h - 8, 10);
  cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, w * 0.3, h);
  cairo_pattern_add_color_stop_rgb(g, 0, 0.17, 0.21, 0.31);
  cairo_pattern_add_color_stop_rgb(g, 1, 0.08, 0.1, 0.15);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  // Fine carbon weave.
  cairo_save(cr);
  RoundedRect(cr, 4, 4, w - 8, h - 8, 10);
  cairo_clip(cr);
  cairo_set_line_width(cr, 1);
  for (double d = -h; d < w; d += 6) {
    cairo_move_to(cr, d, 0);
    cairo_line_to(cr, d + h, h);
  }
  cairo_set_source_rgba(cr, 1, 1, 1, 0.025);
  cairo_stroke(cr);
  // Title band.
  cairo_rectangle(cr, 4, 4, w - 8, band);
  cairo_pattern_t* b = cairo_pattern_create_linear(0, 4, 0, 4 + band);
  cairo_pattern_add_color_stop_rgb(b, 0, 0.32, 0.38, 0.52);
  cairo_pattern_add_color_stop_rgb(b, 1, 0.14, 0.17, 0.26);
  cairo_set_source(cr, b);
  cairo_fill(cr);
  cairo_pattern_destroy(b);
  cairo_rectangle(cr, 4, 4 + band, w - 8, 2);
  SetRgb(cr, palette::kMenuOrange);
  cairo_fill(cr);
  // Button deck at the bottom.
  cairo_rectangle(cr, 4, 296, w - 8, 2);
  SetRgb(cr, Hex(0x4a5672));
  cairo_fill(cr);
  cairo_restore(cr);
  if (title) {
    SelectFace(cr, Face::Heavy, band * 0.62);
    OutlinedText(cr, title, w / 2, 4 + band * 0.76, Align::Centre, Hex(0xfff3b0),
                 palette::kMenuOrange, 2);
  }
}

void DrawSubPanels(PictureSet& set) {
  set.Make("HB", Archive::Menu).DrawEachFrameSame([](cairo_t* cr) {
    // The page title is written over the band by the help screen; the panel is a little
    // wider than the others so the longest help lines stay inside it.
    SubPanel(cr, 42, nullptr, kHelpPanelWidth);
    Glow(cr, kHelpPanelWidth - 40, 25, 30, Hex(0x2a6ad8), 0.6);
    HeavyText(cr, "?", kHelpPanelWidth - 40, 37, 28, Align::Centre, true, 2);
  });
  set.Make("OptB", Archive::Menu).DrawEachFrameSame([](cairo_t* cr) {
    SubPanel(cr, 28, "НАСТРОЙКИ");
  });
  set.Make("HSB", Archive::Menu).DrawEachFrameSame([](cairo_t* cr) {
    SubPanel(cr, 28, "ТАБЛИЦА РЕКОРДОВ");
    // Row stripes under the ten names (24 apart) and medals behind the first three ranks.
    for (int n = 0; n < 10; ++n) {
      // The text of a row sits a little below its top (its glyphs' cell is 24 high).
      double y = 38 + 24 * n;
      RoundedRect(cr, 14, y, 452, 22, 4);
      cairo_set_source_rgba(cr, 1, 1, 1, n % 2 ? 0.03 : 0.07);
      cairo_fill(cr);
      if (n < 3) {
        const Rgb medal[3] = {Hex(0xf2c02a), Hex(0xc8ccd4), Hex(0xc87a3a)};
        cairo_arc(cr, 39, y + 11, 10.5, 0, 2 * M_PI);
        FillLit(cr, Shade(medal[n], -0.25), 28, y, 22, 22, 1.2, 0.5);
      }
    }
  });
  set.Make("SgB", Archive::Menu).DrawEachFrameSame([](cairo_t* cr) {
    SubPanel(cr, 28, "ВЫБЕРИТЕ МАШИНУ");
    // Pedestals under the four car plates (screen x 40, 164, 288, 413 at y 230..380).
    for (double x : {40.0, 164.0, 288.0, 413.0}) {
      double px = x - 31;
      cairo_save(cr);
      cairo_translate(cr, px + 48, 272);
      cairo_scale(cr, 1, 0.22);
      cairo_arc(cr, 0, 0, 44, 0, 2 * M_PI);
      cairo_restore(cr);
      SetRgb(cr, Hex(0x0e1018));
      cairo_fill(cr);
    }
    SelectFace(cr, Face::Condensed, 17);
    OutlinedText(cr, "Стрелки и Enter — выбор и старт", 240, 70, Align::Centre, palette::kMenuLight,
                 palette::kMenuOrange, 1.5);
  });
}

// --- option rows ---------------------------------------------------------------------------

void OptionRow(cairo_t* cr, const char* label, const char* value, bool on) {
  RoundedRect(cr, 6, 3, 468, 40, 6);
  cairo_pattern_t* g = cairo_pattern_create_linear(0, 3, 0, 43);
  cairo_pattern_add_color_stop_rgb(g, 0, 0.22, 0.27, 0.4);
  cairo_pattern_add_color_stop_rgb(g, 1, 0.11, 0.13, 0.2);
  cairo_set_source(cr, g);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(g);
  SetRgb(cr, Hex(0x4a5672));
  cairo_set_line_width(cr, 1.2);
  cairo_stroke(cr);
  SelectFace(cr, Face::Heavy, 20);
  OutlinedText(cr, label, 22, 30, Align::Left, palette::kMenuLight, palette::kMenuOrange, 2);
  if (value) {
    // Value with a lamp: green when on, dark red when off.
    OutlinedText(cr, value, 420, 30, Align::Right, Hex(0xfff3b0),
                 on ? Hex(0xa8ff70) : Hex(0xff8a6a), 2);
    cairo_arc(cr, 446, 23, 8, 0, 2 * M_PI);
    FillLit(cr, on ? Hex(0x3ce020) : Hex(0x8a1a1a), 438, 15, 16, 16, 1.2, 0.45);
    if (on) Glow(cr, 444, 21, 6, Hex(0xe0ffd0), 0.8);
  }
}

void DrawOptions(PictureSet& set) {
  struct Row {
    const char* name;
    const char* label;
    const char* value;
    bool on;
  };
  const Row rows[] = {
      {"Options1_1", "РЕЖИМ ЭКРАНА", "В ОКНЕ", false},
      {"Options1_2", "РЕЖИМ ЭКРАНА", "ПОЛНЫЙ ЭКРАН", true},
      {"Options2_1", "МУЗЫКА", "ВКЛЮЧЕНА", true},
      {"Options2_2", "МУЗЫКА", "ВЫКЛЮЧЕНА", false},
      {"Options3_1", "ЗВУКИ", "ВКЛЮЧЕНЫ", true},
      {"Options3_2", "ЗВУКИ", "ВЫКЛЮЧЕНЫ", false},
  };
  for (const Row& r : rows) {
    set.Make(r.name, Archive::Menu).DrawEachFrameSame([&](cairo_t* cr) {
      OptionRow(cr, r.label, r.value, r.on);
    });
  }
  set.Make("Options4", Archive::Menu).DrawEachFrameSame([](cairo_t* cr) {
    OptionRow(cr, "ПОДПИСЬ", nullptr, false);
    // The text field: the game writes the text from screen x 224 (row x 193).
    RoundedRect(cr, 186, 2, 280, 42, 4);
    SetRgb(cr, Hex(0x0c0f16));
    cairo_fill_preserve(cr);
    SetRgb(cr, Hex(0x5a6a8e));
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
  });
  set.Make("OptButton_A", Archive::Menu).DrawEachFrameSame([](cairo_t* cr) {
    RoundedRect(cr, 1.5, 1.5, 475, 45, 8);
    cairo_set_line_width(cr, 4);
    SetRgb(cr, palette::kMenuOrange);
    cairo_stroke(cr);
    RoundedRect(cr, 1.5, 1.5, 475, 45, 8);
    cairo_set_line_width(cr, 1.5);
    SetRgb(cr, Hex(0xfff0b0));
    cairo_stroke(cr);
    for (double x : {4.0, 474.0}) {
      double d = x < 100 ? 1 : -1;
      cairo_move_to(cr, x, 14);
      cairo_line_to(cr, x + d * 9, 24);
      cairo_line_to(cr, x, 34);
      cairo_close_path(cr);
      FillLit(cr, palette::kBanner, x - 9, 14, 18, 20, 1, 0.3);
    }
  });
  set.Make("OptButton_I", Archive::Menu).DrawEachFrameSame([](cairo_t*) {});
}

// --- the car choice and the credits emblem -------------------------------------------------

void DrawMenuCars(PictureSet& set) {
  const char* names[4] = {"МОЛНИЯ", "ВИХРЬ", "РАЛЛИ", "ОСА"};
  for (int m = 1; m <= 4; ++m) {
    for (bool lit : {true, false}) {
      std::string name = "MenuCar" + std::to_string(m) + (lit ? "_A" : "_I");
      set.Make(name, Archive::Menu).DrawEachFrameSame([&](cairo_t* cr) {
        const double w = 96, h = 150;
        RoundedRect(cr, 1, 1, w - 2, h - 2, 8);
        SetRgb(cr, lit ? palette::kMenuOrange : Hex(0x3a4560));
        cairo_fill(cr);
        RoundedRect(cr, 4, 4, w - 8, h - 8, 6);
        cairo_pattern_t* g = cairo_pattern_create_radial(48, 60, 5, 48, 70, 80);
        Rgb in = lit ? Hex(0x4a5a8a) : Hex(0x242c40), out = lit ? Hex(0x1c2236) : Hex(0x121620);
        cairo_pattern_add_color_stop_rgb(g, 0, in.r, in.g, in.b);
        cairo_pattern_add_color_stop_rgb(g, 1, out.r, out.g, out.b);
        cairo_set_source(cr, g);
        cairo_fill(cr);
        cairo_pattern_destroy(g);
        if (lit) Glow(cr, 48, 62, 46, Hex(0xffb040), 0.35);
        cairo_save(cr);
        cairo_translate(cr, 48 - 32, 9);
        cairo_scale(cr, 1.6, 1.6);
        PaintVehicle(cr, PlayerCar(m), 40, 72);
        cairo_restore(cr);
        if (!lit) {
          RoundedRect(cr, 4, 4, w - 8, h - 8, 6);
          cairo_set_source_rgba(cr, 0.05, 0.06, 0.1, 0.45);
          cairo_fill(cr);
        }
        SelectFace(cr, Face::Heavy, 14);
        OutlinedText(cr, names[m - 1], 48, 140, Align::Centre,
                     lit ? Hex(0xfff3b0) : palette::kMenuLight,
                     lit ? palette::kMenuOrange : Shade(palette::kMenuOrange, -0.3), 1.8);
      });
    }
  }
}

void DrawEmblem(PictureSet& set) {
  set.Make("AttackICO", Archive::Menu).DrawEachFrameSame([](cairo_t* cr) {
    const double c = 70;
    // A shield badge: crossed rockets behind, the car in front, the name on a ribbon.
    cairo_new_path(cr);
    cairo_move_to(cr, c, 4);
    cairo_curve_to(cr, c + 30, 14, c + 52, 12, c + 62, 12);
    cairo_curve_to(cr, c + 62, 70, c + 44, 110, c, 136);
    cairo_curve_to(cr, c - 44, 110, c - 62, 70, c - 62, 12);
    cairo_curve_to(cr, c - 52, 12, c - 30, 14, c, 4);
    cairo_close_path(cr);
    FillLit(cr, Hex(0x2a3a6a), 8, 4, 124, 132, 3, 0.45);
    cairo_save(cr);
    cairo_translate(cr, c, 62);
    for (double a : {-0.95, 0.95}) {
      cairo_save(cr);
      cairo_rotate(cr, a);
      cairo_scale(cr, 2.2, 3.4);
      PaintEmblem(cr, Emblem::Rockets, 0, 0, 1);
      cairo_restore(cr);
    }
    cairo_restore(cr);
    cairo_save(cr);
    cairo_translate(cr, c - 20, 30);
    PaintVehicle(cr, PlayerCar(1), 40, 72);
    cairo_restore(cr);
    // Three stars over the car.
    for (int i = -1; i <= 1; ++i) {
      const double sx = c + i * 22, sy = 20 + std::abs(i) * 4;
      cairo_new_path(cr);
      for (int k = 0; k < 10; ++k) {
        const double r = k % 2 ? 2.6 : 6.2, a = -M_PI / 2 + k * M_PI / 5;
        cairo_line_to(cr, sx + r * std::cos(a), sy + r * std::sin(a));
      }
      cairo_close_path(cr);
      FillLit(cr, palette::kBanner, sx - 6, sy - 6, 12, 12, 1.2, 0.4);
    }
    RoundedRect(cr, 10, 92, 120, 26, 5);
    FillLit(cr, palette::kMenuOrange, 10, 92, 120, 26, 2, 0.35);
    HeavyText(cr, "VONTRA", c, 113, 21, Align::Centre, false, 2);
    Gloss(cr, 10, 4, 80, 70, 0.25);
  });
}

}  // namespace

void DrawMenus(PictureSet& set) {
  DrawBackground(set);
  DrawHeaderFooter(set);
  const char* labels[6] = {"НОВАЯ ИГРА", "НАСТРОЙКИ", "РЕКОРДЫ", "ПОМОЩЬ", "ЕЩЁ ИГРЫ", "ВЫХОД"};
  for (int i = 1; i <= 6; ++i) {
    std::string a = "MM_" + std::to_string(i) + "_A", in = "MM_" + std::to_string(i) + "_I";
    DrawButton(set, a.c_str(), labels[i - 1], 22, true);
    DrawButton(set, in.c_str(), labels[i - 1], 22, false);
  }
  DrawCaptions(set);
  DrawSubPanels(set);
  DrawTwoStateButton(set, "Previous", "НАЗАД", 17);
  DrawTwoStateButton(set, "Next", "ДАЛЕЕ", 17);
  DrawTwoStateButton(set, "ClearHS", "ОЧИСТИТЬ", 17);
  DrawTwoStateButton(set, "ViewHS", "В МИРЕ", 17);
  DrawOptions(set);
  DrawMenuCars(set);
  DrawTwoStateButton(set, "YesButton", "ДА", 15);
  DrawTwoStateButton(set, "NoButton", "НЕТ", 15);
  set.Make("Window", Archive::Menu).DrawEachFrameSame(PaintWindowFrame);
  set.Make("Cursor", Archive::Menu).DrawEachFrameSame([](cairo_t* cr) {
    cairo_rectangle(cr, 0, 0, 2, 24);
    SetRgb(cr, Hex(0xffb41b));
    cairo_fill(cr);
  });
  DrawEmblem(set);
}

}  // namespace vontra::forge
