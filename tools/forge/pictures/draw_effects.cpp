// Fire: explosions, hit flashes, muzzle flashes, exhaust flames, and the shots themselves.

#include <algorithm>
#include <cmath>
#include <vector>

#include "picture_set.h"

namespace vontra::forge {

namespace {

// Colour of fire by heat, 1 white-hot down to 0 cold smoke.
Rgb Heat(double h) {
  struct Stop {
    double h;
    Rgb c;
  };
  static const Stop kStops[] = {{0.0, Hex(0x3a3434)},  {0.18, Hex(0x5a3a2a)}, {0.35, Hex(0xb02a0c)},
                                {0.55, Hex(0xf2620e)}, {0.75, Hex(0xffb020)}, {0.9, Hex(0xfff070)},
                                {1.0, Hex(0xfffbe0)}};
  h = std::clamp(h, 0.0, 1.0);
  for (size_t i = 1; i < std::size(kStops); ++i) {
    if (h <= kStops[i].h) {
      double t = (h - kStops[i - 1].h) / (kStops[i].h - kStops[i - 1].h);
      return Mix(kStops[i - 1].c, kStops[i].c, t);
    }
  }
  return kStops[std::size(kStops) - 1].c;
}

struct Puff {
  double angle, dist, size, heat_bias;
};

struct Spark {
  double angle, speed, size;
};

// One explosion frame: a fireball of overlapping puffs that grows and cools into smoke, with
// sparks flying out. t runs from 0 (the flash) to 1 (the last wisps).
void Explosion(cairo_t* cr, double size, double t, const std::vector<Puff>& puffs,
               const std::vector<Spark>& sparks) {
  const double c = size / 2;
  const double grow = 1 - std::pow(1 - std::min(1.0, t * 1.6), 2);
  const double radius = size * (0.16 + 0.3 * grow);
  // The last frame keeps a few wisps: the game still shows it for a moment.
  const double fade = t < 0.55 ? 1.0 : 1 - 0.72 * (t - 0.55) / 0.45;
  // Smoke ring behind the fire, rising a little (up the screen) as it cools.
  for (const Puff& p : puffs) {
    double d = radius * p.dist * (0.7 + 0.5 * t);
    double x = c + d * std::cos(p.angle), y = c + d * std::sin(p.angle) - t * size * 0.06;
    double r = radius * p.size * (0.8 + 0.5 * t);
    Rgb smoke = Mix(Hex(0x4a4444), Hex(0x2a2626), p.heat_bias);
    Glow(cr, x + r * 0.15, y + r * 0.15, r * 1.15, smoke, 0.9 * fade * std::min(1.0, t * 3));
  }
  // Fire puffs: hot in the middle, each with a darker rim and a lit upper-left side.
  for (const Puff& p : puffs) {
    double d = radius * p.dist * (0.55 + 0.4 * t);
    double x = c + d * std::cos(p.angle), y = c + d * std::sin(p.angle) - t * size * 0.05;
    double r = radius * p.size * 0.8;
    double heat = 1.05 - t * 1.25 + p.heat_bias * 0.25 - p.dist * 0.2;
    Rgb core = Heat(heat), rim = Heat(heat - 0.3);
    cairo_pattern_t* g = cairo_pattern_create_radial(x - r * 0.3, y - r * 0.3, r * 0.1, x, y, r);
    cairo_pattern_add_color_stop_rgba(g, 0, Shade(core, 0.2).r, Shade(core, 0.2).g,
                                      Shade(core, 0.2).b, fade);
    cairo_pattern_add_color_stop_rgba(g, 0.6, core.r, core.g, core.b, fade);
    cairo_pattern_add_color_stop_rgba(g, 1, rim.r, rim.g, rim.b, fade * 0.55);
    cairo_set_source(cr, g);
    cairo_arc(cr, x, y, r, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
  }
  // Flame tongues licking out of the fireball while it is young.
  if (t < 0.5) {
    double k = 1 - t / 0.5;
    for (size_t i = 0; i < sparks.size(); i += 2) {
      double a = sparks[i].angle;
      double len = radius * (0.9 + 0.6 * sparks[i].speed) * (0.6 + 0.6 * grow);
      double half = 0.28;
      cairo_move_to(cr, c + radius * 0.5 * std::cos(a - half),
                    c + radius * 0.5 * std::sin(a - half));
      cairo_line_to(cr, c + len * std::cos(a), c + len * std::sin(a));
      cairo_line_to(cr, c + radius * 0.5 * std::cos(a + half),
                    c + radius * 0.5 * std::sin(a + half));
      cairo_close_path(cr);
      Rgb fc = Heat(0.7 + 0.3 * k);
      cairo_set_source_rgba(cr, fc.r, fc.g, fc.b, 0.9);
      cairo_fill(cr);
    }
  }
  // White-hot core in the first frames.
  if (t < 0.45) {
    double k = 1 - t / 0.45;
    Glow(cr, c, c, radius * (0.5 + 0.4 * k), Heat(1.0), k);
  }
  // Sparks: streaks thrown outwards that fade out.
  if (t > 0.02 && t < 0.8) {
    double a = 1 - t / 0.8;
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (const Spark& s : sparks) {
      double d0 = size * (0.1 + s.speed * t * 0.45);
      double d1 = d0 + size * 0.05 * s.speed;
      cairo_move_to(cr, c + d0 * std::cos(s.angle), c + d0 * std::sin(s.angle));
      cairo_line_to(cr, c + d1 * std::cos(s.angle), c + d1 * std::sin(s.angle));
      Rgb sc = Heat(0.95 - t * 0.5);
      cairo_set_source_rgba(cr, sc.r, sc.g, sc.b, a);
      cairo_set_line_width(cr, s.size);
      cairo_stroke(cr);
    }
  }
}

void DrawExplosion(PictureSet& set, const char* name, int puffs_n, int sparks_n) {
  Picture& p = set.Make(name);
  p.edge = Edge::Dither;
  Rng rng(SeedOf(name));
  std::vector<Puff> puffs;
  for (int i = 0; i < puffs_n; ++i) {
    puffs.push_back({rng.Range(0, 2 * M_PI), i == 0 ? 0 : rng.Range(0.35, 0.9),
                     i == 0 ? 0.95 : rng.Range(0.45, 0.75), rng.Uniform()});
  }
  std::vector<Spark> sparks;
  for (int i = 0; i < sparks_n; ++i) {
    sparks.push_back({rng.Range(0, 2 * M_PI), rng.Range(0.6, 1.0), rng.Range(1.0, 1.8)});
  }
  struct Chunk {
    double angle, speed, size, spin;
  };
  std::vector<Chunk> debris;
  for (int i = 0; i < sparks_n / 2; ++i) {
    debris.push_back(
        {rng.Range(0, 2 * M_PI), rng.Range(0.5, 1.0), rng.Range(1.5, 3.0), rng.Range(-3, 3)});
  }
  const int n = p.frames();
  const double size = p.frame_width();
  const bool shock = size >= 90;
  p.DrawFrames([&](cairo_t* cr, int f) {
    const double t = static_cast<double>(f) / (n - 1);
    if (shock && t < 0.4) {
      // The bomb's pressure ring racing outwards.
      double r = size * (0.15 + 0.85 * t / 0.4) * 0.5;
      cairo_arc(cr, size / 2, size / 2, r, 0, 2 * M_PI);
      cairo_set_source_rgba(cr, 1, 0.95, 0.75, 1 - t / 0.4);
      cairo_set_line_width(cr, 3 - 4 * t);
      cairo_stroke(cr);
    }
    Explosion(cr, size, t, puffs, sparks);
    // Wreckage thrown out, tumbling.
    if (t > 0.05 && t < 0.75 && size >= 48) {
      for (const Chunk& d : debris) {
        double dist = size * (0.12 + d.speed * t * 0.5);
        cairo_save(cr);
        cairo_translate(cr, size / 2 + dist * std::cos(d.angle),
                        size / 2 + dist * std::sin(d.angle));
        cairo_rotate(cr, d.spin * t * 4);
        cairo_rectangle(cr, -d.size / 2, -d.size / 2, d.size, d.size * 0.7);
        SetRgb(cr, Hex(0x2a2a30));
        cairo_fill_preserve(cr);
        SetRgb(cr, Hex(0xffa040), 0.9);
        cairo_set_line_width(cr, 0.6);
        cairo_stroke(cr);
        cairo_restore(cr);
      }
    }
  });
}

// A small burst that sticks to what was hit: flash, sparks, a puff of smoke.
void DrawHitFlash(PictureSet& set, const char* name, bool rocket) {
  Picture& p = set.Make(name);
  p.edge = Edge::Dither;
  Rng rng(SeedOf(name));
  std::vector<Puff> puffs;
  for (int i = 0; i < (rocket ? 5 : 3); ++i) {
    puffs.push_back({rng.Range(0, 2 * M_PI), i == 0 ? 0 : rng.Range(0.3, 0.8),
                     i == 0 ? 0.9 : rng.Range(0.5, 0.7), rng.Uniform()});
  }
  std::vector<Spark> sparks;
  for (int i = 0; i < (rocket ? 8 : 6); ++i) {
    sparks.push_back({rng.Range(0, 2 * M_PI), rng.Range(0.7, 1.0), rocket ? 1.2 : 0.9});
  }
  const int n = p.frames();
  p.DrawFrames([&](cairo_t* cr, int f) {
    double t = static_cast<double>(f) / (n - 1);
    Explosion(cr, p.frame_width(), t, puffs, sparks);
  });
}

void DrawEngineFire(PictureSet& set) {
  Picture& p = set.Make("EngineFire");
  p.edge = Edge::Dither;
  Rng rng(SeedOf("engine-fire"));
  p.DrawFrames([&](cairo_t* cr, int f) {
    // The flame leaves the exhaust pipe at y 38 and licks down; its length flickers.
    const double cx = 13.2, top = 38;
    const double len = 17 + 5 * std::sin(f * 2.1) + rng.Range(-1.5, 1.5);
    const double wid = 4.2 + 0.8 * std::cos(f * 1.7);
    auto flame = [&](double l, double w) {
      cairo_new_path(cr);
      cairo_move_to(cr, cx - w, top);
      cairo_curve_to(cr, cx - w, top + l * 0.45, cx - w * 0.3, top + l * 0.8, cx, top + l);
      cairo_curve_to(cr, cx + w * 0.3, top + l * 0.8, cx + w, top + l * 0.45, cx + w, top);
      cairo_close_path(cr);
    };
    Glow(cr, cx, top + len * 0.35, len * 0.6, Hex(0xff7a10), 0.5);
    flame(len, wid);
    cairo_pattern_t* g = cairo_pattern_create_linear(0, top, 0, top + len);
    cairo_pattern_add_color_stop_rgba(g, 0, 1, 0.9, 0.5, 1);
    cairo_pattern_add_color_stop_rgba(g, 0.5, 1, 0.5, 0.08, 0.95);
    cairo_pattern_add_color_stop_rgba(g, 1, 0.85, 0.15, 0.05, 0.3);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    // Blue-white core right at the pipe.
    flame(len * 0.45, wid * 0.5);
    cairo_pattern_t* k = cairo_pattern_create_linear(0, top, 0, top + len * 0.45);
    cairo_pattern_add_color_stop_rgba(k, 0, 0.8, 0.9, 1, 1);
    cairo_pattern_add_color_stop_rgba(k, 1, 1, 1, 0.8, 0.7);
    cairo_set_source(cr, k);
    cairo_fill(cr);
    cairo_pattern_destroy(k);
  });
}

void DrawGunFire(PictureSet& set) {
  Picture& p = set.Make("GunFire");
  p.edge = Edge::Dither;
  // One flash; the car draws this picture with different pivots so that its centre (28, 26)
  // lands on the muzzle of whichever gun is firing.
  p.DrawFrames([&](cairo_t* cr, int f) {
    const double cx = 28, cy = 26;
    const double len = f == 3 ? 6 : 9 + 3 * (f % 2);
    const double side = f == 3 ? 3 : 4 + (f % 2);
    Glow(cr, cx, cy, len, Hex(0xffc040), 0.7);
    // A star: long tongue up, short ones to the sides.
    cairo_new_path(cr);
    cairo_move_to(cr, cx, cy - len);
    cairo_line_to(cr, cx + 1.6, cy - 2);
    cairo_line_to(cr, cx + side, cy - 2.5 + (f % 2));
    cairo_line_to(cr, cx + 1.8, cy + 0.5);
    cairo_line_to(cr, cx, cy + 3);
    cairo_line_to(cr, cx - 1.8, cy + 0.5);
    cairo_line_to(cr, cx - side, cy - 2.5 + (f % 2));
    cairo_line_to(cr, cx - 1.6, cy - 2);
    cairo_close_path(cr);
    SetRgb(cr, Hex(0xffa020));
    cairo_fill(cr);
    cairo_save(cr);
    cairo_translate(cr, cx, cy - 1.5);
    cairo_scale(cr, 0.6, 1.2);
    cairo_arc(cr, 0, 0, 2.5, 0, 2 * M_PI);
    cairo_restore(cr);
    SetRgb(cr, Hex(0xfffce8));
    cairo_fill(cr);
  });
}

void DrawTracer(PictureSet& set, const char* name, Rgb head, Rgb tail) {
  Picture& p = set.Make(name);
  p.DrawEachFrameSame([&](cairo_t* cr) {
    RoundedRect(cr, 0.5, 0, 3, 8, 1.5);
    cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, 0, 8);
    cairo_pattern_add_color_stop_rgb(g, 0, 1, 1, 0.95);
    cairo_pattern_add_color_stop_rgb(g, 0.35, head.r, head.g, head.b);
    cairo_pattern_add_color_stop_rgb(g, 1, tail.r, tail.g, tail.b);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
  });
}

void DrawRocket(PictureSet& set) {
  Picture& p = set.Make("Rocket");
  p.DrawEachFrameSame([](cairo_t* cr) {
    // Nose up, fins and a hot tail at the bottom.
    cairo_rectangle(cr, 1.5, 7.5, 2, 2.5);
    SetRgb(cr, Hex(0xffc040));
    cairo_fill(cr);
    cairo_move_to(cr, 0, 8);
    cairo_line_to(cr, 1.5, 5);
    cairo_line_to(cr, 3.5, 5);
    cairo_line_to(cr, 5, 8);
    cairo_close_path(cr);
    SetRgb(cr, Hex(0x505868));
    cairo_fill(cr);
    RoundedRect(cr, 1.2, 1.5, 2.6, 6.5, 1);
    SetRgb(cr, Hex(0xd8dce4));
    cairo_fill(cr);
    cairo_move_to(cr, 1.2, 2.5);
    cairo_line_to(cr, 2.5, 0);
    cairo_line_to(cr, 3.8, 2.5);
    cairo_close_path(cr);
    SetRgb(cr, Hex(0xe02020));
    cairo_fill(cr);
  });
}

}  // namespace

void DrawEffects(PictureSet& set) {
  DrawExplosion(set, "ExplosionSmall", 7, 10);
  DrawExplosion(set, "ExplosionBig", 9, 14);
  DrawExplosion(set, "BombExplosion", 12, 20);
  DrawExplosion(set, "ExplosionMicro", 3, 4);
  DrawHitFlash(set, "BulletExplosion", false);
  DrawHitFlash(set, "RocketExplosion", true);
  DrawEngineFire(set);
  DrawGunFire(set);
  DrawTracer(set, "BulletMGMy", Hex(0xffe030), Hex(0xd88a10));
  DrawTracer(set, "BulletMGMonster", Hex(0xff4040), Hex(0xa01010));
  DrawTracer(set, "BulletG", Hex(0x9ef0ff), Hex(0x2a8ad8));
  DrawRocket(set);
}

}  // namespace vontra::forge
