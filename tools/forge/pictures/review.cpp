#include "review.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <stdexcept>
#include <string>

namespace vontra::forge {

namespace {

void Save(cairo_surface_t* s, const std::string& path) {
  if (cairo_surface_write_to_png(s, path.c_str()) != CAIRO_STATUS_SUCCESS) {
    throw std::runtime_error("cannot write " + path);
  }
}

const Picture& Get(const PictureSet& set, const char* name, Archive a = Archive::Race) {
  const Picture* p = set.Find(name, a);
  if (!p) throw std::runtime_error(std::string("mock-up needs ") + name);
  return *p;
}

// Copies one frame like the game does: colour-keyed, so transparent pixels leave what is below.
void Blit(cairo_t* cr, const PictureSet& set, const char* name, double x, double y, int frame = 0,
          Archive a = Archive::Race) {
  const Picture& p = Get(set, name, a);
  cairo_save(cr);
  cairo_rectangle(cr, std::round(x), std::round(y), p.frame_width(), p.frame_height());
  cairo_clip(cr);
  cairo_set_source_surface(cr, p.surface(), std::round(x) - frame * p.frame_width(), std::round(y));
  cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_NEAREST);
  cairo_paint(cr);
  cairo_restore(cr);
}

// The rotated draw: the picture's point (px * w, py * h) lands on (x, y), turned clockwise by
// angle 256ths of a turn.
void BlitRotated(cairo_t* cr, const PictureSet& set, const char* name, double x, double y,
                 double px, double py, double angle, int frame = 0) {
  const Picture& p = Get(set, name);
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_rotate(cr, angle * 2 * M_PI / 256);
  cairo_translate(cr, -px * p.frame_width(), -py * p.frame_height());
  cairo_rectangle(cr, 0, 0, p.frame_width(), p.frame_height());
  cairo_clip(cr);
  cairo_set_source_surface(cr, p.surface(), -frame * p.frame_width(), 0);
  cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_NEAREST);
  cairo_paint(cr);
  cairo_restore(cr);
}

void Label(cairo_t* cr, const char* text, double x, double y, double size, Rgb c) {
  SelectFace(cr, Face::Regular, size);
  PlainText(cr, text, x, y, Align::Left, c);
}

}  // namespace

void WriteContactSheet(const PictureSet& set, Archive archive, const std::string& path) {
  const int kWidth = 1700;
  const int kPad = 10;
  const int kLabel = 16;
  // First pass lays out, second draws.
  struct Cell {
    const Picture* p;
    int x, y, scale;
  };
  std::vector<Cell> cells;
  int x = kPad, y = kPad, row_h = 0;
  for (const auto& pp : set.all()) {
    const Picture& p = *pp;
    if (p.spec().archive != archive) continue;
    int scale = (p.strip_width() * 3 <= 600 && p.frame_height() * 3 <= 120) ? 3
                : (p.strip_width() * 2 <= 800 && p.frame_height() <= 120)   ? 2
                                                                            : 1;
    int w = std::max(p.strip_width() * scale, 150);
    int h = p.frame_height() * scale + kLabel + 4;
    if (x + w > kWidth - kPad) {
      x = kPad;
      y += row_h + kPad;
      row_h = 0;
    }
    cells.push_back({&p, x, y, scale});
    x += w + kPad;
    row_h = std::max(row_h, h);
  }
  const int height = y + row_h + kPad;
  cairo_surface_t* sheet = cairo_image_surface_create(CAIRO_FORMAT_RGB24, kWidth, height);
  cairo_t* cr = cairo_create(sheet);
  cairo_set_source_rgb(cr, 0.16, 0.17, 0.2);
  cairo_paint(cr);
  for (const Cell& c : cells) {
    const Picture& p = *c.p;
    int w = p.strip_width() * c.scale, h = p.frame_height() * c.scale;
    // Checkerboard shows where the colour key makes the picture transparent.
    for (int cy = 0; cy < h; cy += 6) {
      for (int cx = 0; cx < w; cx += 6) {
        bool dark = ((cx / 6) + (cy / 6)) % 2;
        cairo_set_source_rgb(cr, dark ? 0.42 : 0.55, dark ? 0.2 : 0.28, dark ? 0.45 : 0.55);
        cairo_rectangle(cr, c.x + cx, c.y + cy, std::min(6, w - cx), std::min(6, h - cy));
        cairo_fill(cr);
      }
    }
    cairo_save(cr);
    cairo_translate(cr, c.x, c.y);
    cairo_scale(cr, c.scale, c.scale);
    cairo_set_source_surface(cr, p.surface(), 0, 0);
    cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_NEAREST);
    cairo_paint(cr);
    cairo_restore(cr);
    cairo_set_source_rgb(cr, 0.9, 0.9, 0.2);
    cairo_set_line_width(cr, 1);
    for (int f = 1; f < p.frames(); ++f) {
      cairo_move_to(cr, c.x + f * p.frame_width() * c.scale + 0.5, c.y);
      cairo_line_to(cr, c.x + f * p.frame_width() * c.scale + 0.5, c.y + h);
    }
    cairo_stroke(cr);
    char text[160];
    std::snprintf(text, sizeof text, "%s  %dx%d  x%d", std::string(p.spec().name).c_str(),
                  p.frame_width(), p.frame_height(), p.frames());
    Label(cr, text, c.x, c.y + h + 13, 12, Rgb{0.95, 0.95, 0.95});
  }
  cairo_destroy(cr);
  Save(sheet, path);
  cairo_surface_destroy(sheet);
}

void WriteRaceMockup(const PictureSet& set, const std::string& path) {
  cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_RGB24, 800, 600);
  cairo_t* cr = cairo_create(s);
  cairo_set_source_rgb(cr, 0, 0, 0);
  cairo_paint(cr);
  // Road, scrolled part way.
  const double scroll = 310;
  for (int k = -1; k <= 1; ++k) Blit(cr, set, "Land", 124, scroll + k * 800);
  Blit(cr, set, "LeftPanel", 0, 0);
  const Picture& right = Get(set, "RightPanel");
  Blit(cr, set, "RightPanel", 800 - right.frame_width() - 1, 0);
  // Road objects.
  Blit(cr, set, "SignLeftRed", 130, 20);
  Blit(cr, set, "BushRight", 621, 90);
  Blit(cr, set, "FenseLeft", 140, 300);
  Blit(cr, set, "CarRight", 615, 380);
  Blit(cr, set, "Rockets", 289, 60, 2);
  Blit(cr, set, "Shield", 459, 250, 5);
  Blit(cr, set, "StonesSmall", 398, 160);
  Blit(cr, set, "WaterSmall", 233, 330);
  Blit(cr, set, "Crack", 509, 420);
  Blit(cr, set, "WallSmall", 343, 20);
  Blit(cr, set, "Car16_Inv", 172, -30);
  Blit(cr, set, "Car7", 452, 90);
  Blit(cr, set, "MG_Top", 452 + 20 - 6, 90 + 38 - 18);
  Blit(cr, set, "Car10_Inv", 562, 160);
  Blit(cr, set, "R_Left_I", 562 + 48 - 11, 160 + 84 - 29);
  Blit(cr, set, "R_Right_I", 562, 160 + 84 - 29);
  Blit(cr, set, "ExplosionBig", 300, 200, 5);
  Blit(cr, set, "BulletMGMonster", 583, 270);
  Blit(cr, set, "BulletMGMonster", 583, 300);
  // The player's car with turbo, twin rockets, flames and a volley in the air.
  const Picture& car = Get(set, "Car2");
  double cx = 395 + car.frame_width() / 2.0,
         cy = 555 - car.frame_height() + car.frame_height() / 2.0;
  int x0 = static_cast<int>(cx), y0 = static_cast<int>(cy);
  BlitRotated(cr, set, "Car2", x0, y0, 0.5, 0.5, 0);
  BlitRotated(cr, set, "CarEngineBlue", x0, y0, 0.5, 0.0, 0);
  BlitRotated(cr, set, "EngineFire", cx - 2, y0, 0.75, 0.03, 0, 2);
  BlitRotated(cr, set, "EngineFire", cx - 2, y0, 0.18, 0.03, 0, 2);
  BlitRotated(cr, set, "R_Left", x0, y0, 2.5, 1.4, -1);
  BlitRotated(cr, set, "R_Right", x0, y0, -1.55, 1.4, -1);
  BlitRotated(cr, set, "GunFire", cx - 1, y0, 0.85, 0.95, 0, 1);
  BlitRotated(cr, set, "GunFire", cx - 1, y0, 0.12, 0.95, 0, 1);
  Blit(cr, set, "Rocket", x0 - 24, y0 - 80);
  Blit(cr, set, "Rocket", x0 + 20, y0 - 80);
  Blit(cr, set, "RocketExplosion", 452 + 10, 90 + 30, 6);
  // Instruments.
  Blit(cr, set, "EnergyBar", 167, 576);
  for (int i = 1; i <= 12; ++i) Blit(cr, set, "EnergyBarSmall", 605 - 10 * i, 590);
  Blit(cr, set, "SmallCar", 733 - 6, 150);
  Blit(cr, set, "PanelLife3", 36, 361);
  Blit(cr, set, "PanelRocket2", 749, 341);
  Blit(cr, set, "PanelEngine", 691, 417);
  BlitRotated(cr, set, "Pointer", 718, 544, 9.0 / 11, 5.0 / 38, 130);
  // HUD texts as the game writes them.
  Label(cr, "3", 62, 101, 13, palette::kLcdGreen);
  Label(cr, "12450", 48, 190, 13, palette::kLcdGreen);
  Label(cr, "0", 46, 279, 13, palette::kLcdGreen);
  Label(cr, "1", 54, 279, 13, palette::kLcdGreen);
  Label(cr, ":", 62, 277, 13, palette::kLcdGreen);
  Label(cr, "4", 68, 279, 13, palette::kLcdGreen);
  Label(cr, "7", 76, 279, 13, palette::kLcdGreen);
  Label(cr, "0", 742, 335, 10, Rgb{0.01, 0.01, 0.01});
  Label(cr, "1", 750, 335, 10, Rgb{0.01, 0.01, 0.01});
  Label(cr, "4", 758, 335, 10, Rgb{0.01, 0.01, 0.01});
  Label(cr, "7", 712, 459, 13, Rgb{1, 1, 1});
  cairo_destroy(cr);
  Save(s, path);
  cairo_surface_destroy(s);
}

void WriteMenuMockup(const PictureSet& set, const std::string& path) {
  cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_RGB24, 1600, 600);
  cairo_t* cr = cairo_create(s);
  cairo_set_source_rgb(cr, 0, 0, 0);
  cairo_paint(cr);
  const Archive m = Archive::Menu;
  // Left: the main menu with the second button lit; right: the options screen.
  for (int half = 0; half < 2; ++half) {
    cairo_save(cr);
    cairo_translate(cr, half * 800, 0);
    cairo_rectangle(cr, 0, 0, 800, 600);
    cairo_clip(cr);
    Blit(cr, set, "MMBackground", 0, 0, 0, m);
    const int ys[6] = {115, 176, 237, 300, 362, 410};
    const int lit = half == 0 ? 2 : 2;
    for (int i = 1; i <= 6; ++i) {
      char name[16];
      std::snprintf(name, sizeof name, "MM_%d_%c", i, i == lit ? 'A' : 'I');
      Blit(cr, set, name, 544, ys[i - 1], i == 6 ? 0 : i - 1, m);
    }
    if (half == 0) {
      Blit(cr, set, "OptionsC", 31, 190, 0, m);
    } else {
      Blit(cr, set, "OptB", 31, 115, 0, m);
      Blit(cr, set, "Options1_1", 31, 150, 0, m);
      Blit(cr, set, "Options2_1", 31, 199, 0, m);
      Blit(cr, set, "Options3_2", 31, 248, 0, m);
      Blit(cr, set, "Options4", 31, 297, 0, m);
      Blit(cr, set, "OptButton_A", 32, 198, 0, m);
      SelectFace(cr, Face::Regular, 26);
      PlainText(cr, "_______", 224, 318, Align::Left, Hex(0xffb41b));
    }
    Blit(cr, set, "UpPanel", 0, 0, 0, m);
    Blit(cr, set, "DownPanel", 0, 530, 0, m);
    cairo_restore(cr);
  }
  cairo_destroy(cr);
  Save(s, path);
  cairo_surface_destroy(s);
}

}  // namespace vontra::forge
