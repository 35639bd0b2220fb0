// The road and everything that stands on it or beside it: obstacles, fences, signs, bushes and
// the finish line.

#include <algorithm>
#include <cmath>
#include <vector>

#include "picture_set.h"

namespace vontra::forge {

namespace {

// Value noise on a lattice that wraps vertically with the given period, so the road joins
// seamlessly from its bottom edge to its top.
class WrapNoise {
 public:
  WrapNoise(uint64_t seed, int cells_x, int cells_y) : cx_(cells_x), cy_(cells_y) {
    Rng rng(seed);
    v_.resize(static_cast<size_t>(cx_ + 1) * cy_);
    for (double& x : v_) x = rng.Uniform();
  }
  // u in [0, 1] across, t in [0, 1) down (wrapping).
  double At(double u, double t) const {
    double fx = u * cx_, fy = t * cy_;
    int x0 = std::clamp(static_cast<int>(fx), 0, cx_ - 1);
    int y0 = static_cast<int>(std::floor(fy));
    double ax = Smooth(fx - x0), ay = Smooth(fy - y0);
    auto v = [&](int x, int y) {
      return v_[static_cast<size_t>(((y % cy_) + cy_) % cy_) * (cx_ + 1) + x];
    };
    double a = v(x0, y0) + (v(x0 + 1, y0) - v(x0, y0)) * ax;
    double b = v(x0, y0 + 1) + (v(x0 + 1, y0 + 1) - v(x0, y0 + 1)) * ax;
    return a + (b - a) * ay;
  }

 private:
  static double Smooth(double t) { return t * t * (3 - 2 * t); }
  int cx_, cy_;
  std::vector<double> v_;
};

constexpr int kLandW = 540;
constexpr int kLandH = 800;
// Picture x of the carriageway edges and the lane lines (screen x minus 124).
constexpr int kRoadLeft = 43;
constexpr int kRoadRight = 497;
constexpr int kLaneLines[3] = {156, 269, 382};

uint32_t Pack(double r, double g, double b) {
  auto c = [](double v) { return static_cast<uint32_t>(std::clamp(v, 0.0, 1.0) * 255 + 0.5); };
  return 0xFF000000u | (c(r) << 16) | (c(g) << 8) | c(b);
}

// Draws a shape at y and again one road height up or down, so it wraps across the seam.
void Wrapped(double y, double h, const std::function<void(double)>& draw) {
  draw(y);
  if (y + h > kLandH) draw(y - kLandH);
  if (y < 0) draw(y + kLandH);
}

void DrawLand(PictureSet& set) {
  Picture& p = set.Make("Land");
  cairo_surface_t* s = p.surface();
  cairo_surface_flush(s);
  unsigned char* data = cairo_image_surface_get_data(s);
  const int stride = cairo_image_surface_get_stride(s);
  WrapNoise broad(SeedOf("land-broad"), 12, 20);
  WrapNoise patch(SeedOf("land-patch"), 30, 60);
  WrapNoise grass(SeedOf("land-grass"), 40, 120);
  Rng grain(SeedOf("land-grain"));
  const Rgb asphalt = Hex(0x45484f);
  const Rgb gravel = Hex(0x8a7e6a);
  const Rgb grass_lo = Hex(0x2f6a22);
  const Rgb grass_hi = Hex(0x5c9a32);
  for (int y = 0; y < kLandH; ++y) {
    auto* row = reinterpret_cast<uint32_t*>(data + y * stride);
    const double t = static_cast<double>(y) / kLandH;
    for (int x = 0; x < kLandW; ++x) {
      const double u = static_cast<double>(x) / kLandW;
      const double n = grain.Uniform();
      Rgb c;
      if (x >= kRoadLeft && x < kRoadRight) {
        // Asphalt: fine grain, broad patchiness and darker wheel tracks in every lane.
        double shade =
            (broad.At(u, t) - 0.5) * 0.08 + (patch.At(u, t) - 0.5) * 0.05 + (n - 0.5) * 0.11;
        double lane_pos = std::fmod((x - kRoadLeft) / 56.75, 1.0);
        double track = std::exp(-std::pow((lane_pos - 0.27) / 0.07, 2)) +
                       std::exp(-std::pow((lane_pos - 0.73) / 0.07, 2));
        shade -= track * 0.035;
        c = Shade(asphalt, shade);
        if (n > 0.985) c = Shade(asphalt, 0.25);  // bright stone chips
      } else {
        const bool left = x < kRoadLeft;
        const int from_road = left ? kRoadLeft - x : x - kRoadRight + 1;
        if (from_road <= 6) {
          c = Hex(0x9a9aa0);  // kerb, painted below
        } else if (from_road <= 15) {
          double gshade = (n - 0.5) * 0.35 + (patch.At(u, t) - 0.5) * 0.15;
          c = Shade(gravel, gshade);
        } else {
          double g = grass.At(u, t);
          c = Mix(grass_lo, grass_hi, std::clamp(g * 0.9 + (n - 0.5) * 0.5, 0.0, 1.0));
          if (n > 0.97) c = Shade(c, 0.3);
          if (n < 0.02) c = Shade(c, -0.35);
        }
      }
      row[x] = Pack(c.r, c.g, c.b);
    }
  }
  cairo_surface_mark_dirty(s);

  cairo_t* cr = cairo_create(s);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
  Rng rng(SeedOf("land-details"));
  // Repair patches: irregular, slightly darker and smoother asphalt.
  for (int i = 0; i < 4; ++i) {
    double x = rng.Range(kRoadLeft + 20, kRoadRight - 70);
    double y = rng.Range(0, kLandH);
    double w = rng.Range(30, 60), h = rng.Range(40, 110);
    std::vector<std::pair<double, double>> pts;
    for (int k = 0; k < 10; ++k) {
      double a = k * 2 * M_PI / 10;
      pts.push_back({w / 2 * (1 + 0.85 * std::cos(a)) + rng.Range(-3, 3),
                     h / 2 * (1 + 0.9 * std::sin(a)) + rng.Range(-4, 4)});
    }
    Wrapped(y, h, [&](double yy) {
      cairo_move_to(cr, x + pts[0].first, yy + pts[0].second);
      for (auto& q : pts) cairo_line_to(cr, x + q.first, yy + q.second);
      cairo_close_path(cr);
      cairo_set_source_rgba(cr, 0.14, 0.15, 0.17, 0.28);
      cairo_fill_preserve(cr);
      cairo_set_source_rgba(cr, 0.1, 0.1, 0.12, 0.35);
      cairo_set_line_width(cr, 1);
      cairo_stroke(cr);
    });
  }
  // Expansion joints across the carriageway: at speed they stream past like a ruler.
  for (int k = 0; k < 4; ++k) {
    double y = k * 200 + 120;
    cairo_rectangle(cr, kRoadLeft, y, kRoadRight - kRoadLeft, 2);
    cairo_set_source_rgba(cr, 0.08, 0.08, 0.1, 0.7);
    cairo_fill(cr);
    cairo_rectangle(cr, kRoadLeft, y + 2, kRoadRight - kRoadLeft, 1);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.12);
    cairo_fill(cr);
  }
  // Skid marks: pairs of rubber streaks swerving across a lane.
  for (int i = 0; i < 4; ++i) {
    double x = rng.Range(kRoadLeft + 40, kRoadRight - 80);
    double y = rng.Range(0, kLandH);
    double len = rng.Range(90, 160), swerve = rng.Range(-30, 30);
    Wrapped(y, len, [&](double yy) {
      for (double off : {0.0, 24.0}) {
        cairo_move_to(cr, x + off, yy);
        cairo_curve_to(cr, x + off, yy + len * 0.4, x + off + swerve, yy + len * 0.6,
                       x + off + swerve, yy + len);
        cairo_set_source_rgba(cr, 0.06, 0.06, 0.07, 0.22);
        cairo_set_line_width(cr, 3.5);
        cairo_stroke(cr);
      }
    });
  }
  // Drain grates at the kerbs and manhole covers in the lanes.
  for (int i = 0; i < 4; ++i) {
    const bool left = i % 2 == 0;
    const double x = left ? kRoadLeft + 1 : kRoadRight - 13;
    const double y = 100 + i * 190 + rng.Range(-30, 30);
    cairo_rectangle(cr, x, y, 12, 18);
    SetRgb(cr, Hex(0x26282e));
    cairo_fill(cr);
    for (int k = 0; k < 5; ++k) cairo_rectangle(cr, x + 1.5, y + 1.5 + k * 3.2, 9, 1.6);
    SetRgb(cr, Hex(0x0e0f12));
    cairo_fill(cr);
    cairo_rectangle(cr, x + 0.5, y + 0.5, 11, 17);
    SetRgb(cr, Hex(0x6a6c72));
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
  }
  for (int i = 0; i < 2; ++i) {
    const double x = i == 0 ? 212 : 327, y = i == 0 ? 260 : 610;
    cairo_arc(cr, x, y, 9, 0, 2 * M_PI);
    SetRgb(cr, Hex(0x2e3036));
    cairo_fill_preserve(cr);
    SetRgb(cr, Hex(0x18191d));
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    for (int k = -2; k <= 2; ++k) {
      cairo_move_to(cr, x - 6, y + k * 3);
      cairo_line_to(cr, x + 6, y + k * 3);
    }
    cairo_set_source_rgba(cr, 1, 1, 1, 0.12);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
  }
  // Dust and grit gather along the kerbs.
  for (int side = 0; side < 2; ++side) {
    double x0 = side == 0 ? kRoadLeft : kRoadRight - 14;
    cairo_pattern_t* g = cairo_pattern_create_linear(x0, 0, x0 + 14, 0);
    cairo_pattern_add_color_stop_rgba(g, side == 0 ? 0 : 1, 0.45, 0.42, 0.36, 0.35);
    cairo_pattern_add_color_stop_rgba(g, side == 0 ? 1 : 0, 0.45, 0.42, 0.36, 0);
    cairo_set_source(cr, g);
    cairo_rectangle(cr, x0, 0, 14, kLandH);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
  }
  // Oil stains.
  for (int i = 0; i < 10; ++i) {
    double x = rng.Range(kRoadLeft + 20, kRoadRight - 20);
    double y = rng.Range(0, kLandH);
    double r = rng.Range(5, 12);
    Wrapped(y - r, 2 * r, [&](double yy) {
      cairo_save(cr);
      cairo_translate(cr, x, yy + r);
      cairo_scale(cr, 1, 1.5);
      Glow(cr, 0, 0, r, Hex(0x1a1a22), 0.55);
      cairo_restore(cr);
    });
  }
  // Hairline cracks.
  cairo_set_line_width(cr, 1);
  for (int i = 0; i < 14; ++i) {
    double x = rng.Range(kRoadLeft + 8, kRoadRight - 8);
    double y = rng.Range(0, kLandH);
    std::vector<std::pair<double, double>> pts{{x, y}};
    for (int k = 0; k < 6; ++k) {
      x += rng.Range(-6, 6);
      y += rng.Range(3, 9);
      pts.push_back({x, y});
    }
    Wrapped(pts.front().second, pts.back().second - pts.front().second, [&](double yy) {
      double dy = yy - pts.front().second;
      cairo_move_to(cr, pts[0].first, pts[0].second + dy);
      for (auto& q : pts) cairo_line_to(cr, q.first, q.second + dy);
      cairo_set_source_rgba(cr, 0.09, 0.09, 0.11, 0.7);
      cairo_stroke(cr);
    });
  }
  // Solid edge lines and the dashed lane lines (10 dashes per road height, seamless).
  const Rgb paint = Hex(0xeeeeea);
  for (double x : {kRoadLeft + 4.0, kRoadRight - 7.0}) {
    cairo_rectangle(cr, x, 0, 3, kLandH);
    SetRgb(cr, paint);
    cairo_fill(cr);
  }
  for (int lx : kLaneLines) {
    for (int k = 0; k < 10; ++k) {
      double y = k * 80 + 10;
      cairo_rectangle(cr, lx - 2, y, 4, 44);
      SetRgb(cr, paint);
      cairo_fill(cr);
      // Worn paint: a few asphalt specks show through.
      for (int s = 0; s < 6; ++s) {
        cairo_rectangle(cr, lx - 2 + rng.Range(0, 3), y + rng.Range(0, 42), 1, 1.5);
      }
      SetRgb(cr, Shade(asphalt, 0.1));
      cairo_fill(cr);
    }
  }
  // Kerbs: red and white blocks with a lit top edge, 50 blocks per road height.
  for (int side = 0; side < 2; ++side) {
    double x = side == 0 ? kRoadLeft - 6 : kRoadRight;
    for (int k = 0; k < 50; ++k) {
      double y = k * 16;
      cairo_rectangle(cr, x, y, 6, 16);
      SetRgb(cr, k % 2 ? Hex(0xd8262a) : Hex(0xf2f2ee));
      cairo_fill(cr);
      cairo_rectangle(cr, x, y, 6, 1.5);
      cairo_set_source_rgba(cr, 1, 1, 1, 0.35);
      cairo_fill(cr);
      cairo_rectangle(cr, x, y + 14.5, 6, 1.5);
      cairo_set_source_rgba(cr, 0, 0, 0, 0.25);
      cairo_fill(cr);
    }
    // Shadow line where the kerb meets the asphalt.
    cairo_rectangle(cr, side == 0 ? kRoadLeft : kRoadRight - 1, 0, 1, kLandH);
    cairo_set_source_rgba(cr, 0, 0, 0, 0.35);
    cairo_fill(cr);
  }
  // Grass tufts and small flowers on the verges.
  for (int i = 0; i < 160; ++i) {
    bool left = i % 2 == 0;
    double x = left ? rng.Range(2, kRoadLeft - 18) : rng.Range(kRoadRight + 17, kLandW - 3);
    double y = rng.Range(0, kLandH);
    Wrapped(y - 4, 8, [&](double yy) {
      cairo_set_line_width(cr, 1);
      for (int b = -1; b <= 1; ++b) {
        cairo_move_to(cr, x, yy + 3);
        cairo_line_to(cr, x + b * 2.5, yy - 2);
      }
      SetRgb(cr, Hex(0x1f4a18));
      cairo_stroke(cr);
      if (i % 7 == 0) {
        cairo_arc(cr, x, yy - 2, 1.2, 0, 2 * M_PI);
        SetRgb(cr, i % 3 ? Hex(0xf4e04a) : Hex(0xf2f2f2));
        cairo_fill(cr);
      }
    });
  }
  cairo_destroy(cr);
}

void DrawFinishLine(PictureSet& set) {
  Picture& p = set.Make("FinishLine");
  p.DrawEachFrameSame([](cairo_t* cr) {
    const double sq = 8;
    for (int row = 0; row < 3; ++row) {
      for (int col = 0; col * sq < 453; ++col) {
        bool white = (row + col) % 2 == 0;
        cairo_rectangle(cr, col * sq, row * sq, sq, sq);
        SetRgb(cr, white ? Hex(0xf4f4f0) : Hex(0x1c1c22));
        cairo_fill(cr);
      }
    }
    // Light wash from the left, like every other picture.
    cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, 453, 24);
    cairo_pattern_add_color_stop_rgba(g, 0, 1, 1, 1, 0.12);
    cairo_pattern_add_color_stop_rgba(g, 1, 0, 0, 0, 0.12);
    cairo_set_source(cr, g);
    cairo_paint(cr);
    cairo_pattern_destroy(g);
  });
}

void DrawCrack(PictureSet& set) {
  Picture& p = set.Make("Crack");
  p.DrawEachFrameSame([](cairo_t* cr) {
    Rng rng(SeedOf("crack"));
    // A pothole-like broken patch with cracks running out of it.
    cairo_save(cr);
    cairo_translate(cr, 24, 16);
    cairo_scale(cr, 1.6, 1);
    cairo_new_path(cr);
    for (int i = 0; i < 14; ++i) {
      double a = i * 2 * M_PI / 14;
      double r = rng.Range(6, 10);
      if (i == 0)
        cairo_move_to(cr, r * std::cos(a), r * std::sin(a));
      else
        cairo_line_to(cr, r * std::cos(a), r * std::sin(a));
    }
    cairo_close_path(cr);
    cairo_restore(cr);
    cairo_path_t* hole = cairo_copy_path(cr);
    // Raised broken rim lit from the upper left.
    cairo_save(cr);
    cairo_translate(cr, -1.5, -1.5);
    cairo_append_path(cr, hole);
    SetRgb(cr, Hex(0x7a7c84));
    cairo_fill(cr);
    cairo_restore(cr);
    cairo_append_path(cr, hole);
    cairo_pattern_t* g = cairo_pattern_create_linear(10, 6, 38, 26);
    cairo_pattern_add_color_stop_rgb(g, 0, 0.07, 0.07, 0.09);
    cairo_pattern_add_color_stop_rgb(g, 1, 0.2, 0.2, 0.23);
    cairo_set_source(cr, g);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(g);
    SetRgb(cr, palette::kOutline);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    cairo_path_destroy(hole);
    // Loose chunks in the hole.
    for (int i = 0; i < 5; ++i) {
      double x = rng.Range(16, 32), y = rng.Range(12, 20);
      cairo_rectangle(cr, x, y, 2.5, 2);
      SetRgb(cr, Hex(0x5a5c64));
      cairo_fill(cr);
    }
    // Cracks.
    cairo_set_line_width(cr, 1.6);
    for (int i = 0; i < 6; ++i) {
      double a = i * M_PI / 3 + rng.Range(-0.3, 0.3);
      double x = 24 + 12 * std::cos(a), y = 16 + 7 * std::sin(a);
      cairo_move_to(cr, x, y);
      for (int k = 0; k < 4; ++k) {
        x += std::cos(a) * 3 + rng.Range(-2, 2);
        y += std::sin(a) * 2.2 + rng.Range(-1.5, 1.5);
        cairo_line_to(cr, std::clamp(x, 1.0, 47.0), std::clamp(y, 1.0, 31.0));
      }
      SetRgb(cr, Hex(0x111116));
      cairo_stroke(cr);
    }
  });
}

void DrawWater(PictureSet& set) {
  Picture& p = set.Make("WaterSmall");
  p.DrawEachFrameSame([](cairo_t* cr) {
    Rng rng(SeedOf("water"));
    auto blob = [&](double cx, double cy, double rx, double ry) {
      cairo_new_path(cr);
      const int n = 16;
      std::vector<double> r(n);
      for (double& v : r) v = rng.Range(0.82, 1.0);
      for (int i = 0; i <= n; ++i) {
        double a = i * 2 * M_PI / n;
        double k = r[i % n];
        double x = cx + rx * k * std::cos(a), y = cy + ry * k * std::sin(a);
        if (i == 0)
          cairo_move_to(cr, x, y);
        else
          cairo_line_to(cr, x, y);
      }
      cairo_close_path(cr);
    };
    // Wet dark rim, then the water reflecting a grey-blue sky.
    blob(26, 18, 25, 17);
    SetRgb(cr, Hex(0x262a32));
    cairo_fill(cr);
    blob(26, 18, 22, 14.5);
    cairo_pattern_t* g = cairo_pattern_create_linear(6, 4, 40, 34);
    cairo_pattern_add_color_stop_rgb(g, 0, 0.62, 0.78, 0.92);
    cairo_pattern_add_color_stop_rgb(g, 0.35, 0.3, 0.5, 0.72);
    cairo_pattern_add_color_stop_rgb(g, 1, 0.12, 0.22, 0.4);
    cairo_set_source(cr, g);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(g);
    SetRgb(cr, Hex(0x0e1e3a));
    cairo_set_line_width(cr, 1.4);
    cairo_stroke(cr);
    // Ripples and sky glints.
    cairo_set_line_width(cr, 1);
    cairo_set_source_rgba(cr, 0.85, 0.95, 1, 0.8);
    cairo_arc(cr, 30, 20, 7, M_PI * 1.1, M_PI * 1.6);
    cairo_stroke(cr);
    cairo_arc(cr, 30, 20, 11, M_PI * 1.15, M_PI * 1.5);
    cairo_stroke(cr);
    cairo_save(cr);
    cairo_translate(cr, 15, 11);
    cairo_scale(cr, 2.2, 1);
    cairo_arc(cr, 0, 0, 2.2, 0, 2 * M_PI);
    cairo_restore(cr);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.95);
    cairo_fill(cr);
  });
}

void Rock(cairo_t* cr, Rng& rng, double cx, double cy, double r, Rgb c) {
  cairo_new_path(cr);
  const int n = 7;
  for (int i = 0; i < n; ++i) {
    double a = i * 2 * M_PI / n + rng.Range(-0.2, 0.2);
    double k = rng.Range(0.75, 1.05);
    double x = cx + r * k * std::cos(a), y = cy + r * k * 0.8 * std::sin(a);
    if (i == 0)
      cairo_move_to(cr, x, y);
    else
      cairo_line_to(cr, x, y);
  }
  cairo_close_path(cr);
  FillLit(cr, c, cx - r, cy - r, 2 * r, 2 * r, 1.2, 0.45);
  Gloss(cr, cx - r, cy - r, 2 * r, 2 * r, 0.3);
}

void DrawStones(PictureSet& set) {
  Picture& p = set.Make("StonesSmall");
  p.DrawEachFrameSame([](cairo_t* cr) {
    Rng rng(SeedOf("stones"));
    struct S {
      double x, y, r;
    } stones[] = {{10, 20, 7}, {22, 12, 9}, {34, 20, 7.5}, {25, 24, 5}, {8, 8, 4}, {38, 7, 4.5}};
    for (auto& s : stones) {
      Rgb c = Mix(Hex(0x8d8880), Hex(0xa89c86), rng.Uniform());
      // Each stone casts a short shadow to the lower right.
      cairo_arc(cr, s.x + 1.5, s.y + 1.5, s.r * 0.85, 0, 2 * M_PI);
      SetRgb(cr, Hex(0x1a1a1e));
      cairo_fill(cr);
      Rock(cr, rng, s.x, s.y, s.r, c);
    }
  });
}

void Spikes(cairo_t* cr, double w, double h) {
  // A steel strip studded with pyramid spikes.
  RoundedRect(cr, 1, h / 2 - 3, w - 2, 6, 2);
  FillLit(cr, Hex(0x3c3e46), 1, h / 2 - 3, w - 2, 6, 1);
  for (double x = 6; x < w - 3; x += 9) {
    for (int row = 0; row < 2; ++row) {
      double cy = row == 0 ? h * 0.28 : h * 0.72;
      double cx = x + (row ? 4.5 : 0);
      if (cx > w - 4) continue;
      double r = std::min(4.5, h * 0.25);
      // Four faces, lit from the upper left.
      const double px[4] = {cx, cx + r, cx, cx - r};
      const double py[4] = {cy - r, cy, cy + r, cy};
      const double lit[4] = {0.55, 0.0, -0.45, 0.25};
      for (int f = 0; f < 4; ++f) {
        cairo_move_to(cr, cx, cy);
        cairo_line_to(cr, px[f], py[f]);
        cairo_line_to(cr, px[(f + 1) % 4], py[(f + 1) % 4]);
        cairo_close_path(cr);
        SetRgb(cr, Shade(Hex(0xa8aeb8), lit[f]));
        cairo_fill(cr);
      }
      cairo_move_to(cr, px[0], py[0]);
      for (int f = 1; f <= 4; ++f) cairo_line_to(cr, px[f % 4], py[f % 4]);
      SetRgb(cr, palette::kOutline);
      cairo_set_line_width(cr, 0.8);
      cairo_stroke(cr);
    }
  }
}

void DrawWall(PictureSet& set) {
  Picture& p = set.Make("WallSmall");
  p.DrawEachFrameSame([](cairo_t* cr) {
    // Low concrete barrier: a lit top face over a shaded front face, hazard stripes.
    const double w = 52;
    RoundedRect(cr, 3, 4, w - 4, 21, 2);
    SetRgb(cr, Hex(0x141418));
    cairo_fill(cr);
    RoundedRect(cr, 1, 13, w - 3, 10, 1.5);
    FillLit(cr, Hex(0x8a8c90), 1, 13, w - 3, 10, 1.2);
    cairo_save(cr);
    RoundedRect(cr, 1, 13, w - 3, 10, 1.5);
    cairo_clip(cr);
    for (double x = -10; x < w; x += 10) {
      cairo_move_to(cr, x, 23);
      cairo_line_to(cr, x + 5, 23);
      cairo_line_to(cr, x + 13, 13);
      cairo_line_to(cr, x + 8, 13);
      cairo_close_path(cr);
    }
    SetRgb(cr, Hex(0xd8262a));
    cairo_fill(cr);
    cairo_restore(cr);
    RoundedRect(cr, 1, 1, w - 3, 13, 2);
    FillLit(cr, Hex(0xc8c6c0), 1, 1, w - 3, 13, 1.2, 0.25);
    Rng rng(SeedOf("wall"));
    for (int i = 0; i < 30; ++i) {
      cairo_rectangle(cr, rng.Range(3, w - 5), rng.Range(3, 12), 1, 1);
    }
    SetRgb(cr, Hex(0x8e8c88));
    cairo_fill(cr);
    Gloss(cr, 1, 1, w - 3, 13, 0.35);
  });
}

void DrawFence(PictureSet& set, const char* name, bool wooden) {
  Picture& p = set.Make(name);
  p.DrawEachFrameSame([&](cairo_t* cr) {
    if (wooden) {
      // A picket fence seen from above: two rails on square posts, shadows to the lower right.
      const Rgb wood = Hex(0xb07a40);
      for (double y : {2.0, 39.0, 73.0}) {
        cairo_rectangle(cr, 4, y + 2.5, 7, 6.5);
        SetRgb(cr, Hex(0x17171b));
        cairo_fill(cr);
      }
      cairo_rectangle(cr, 5.5, 3, 5, 76);
      SetRgb(cr, Hex(0x1d1d22));
      cairo_fill(cr);
      for (double x : {1.5, 6.0}) {
        RoundedRect(cr, x, 1, 3.5, 77, 1);
        FillLitAcross(cr, wood, x, 1, 3.5, 77, 1);
      }
      for (double y : {2.0, 39.0, 73.0}) {
        RoundedRect(cr, 1.5, y, 8, 6, 1.2);
        FillLit(cr, Shade(wood, -0.1), 1.5, y, 8, 6, 1, 0.4);
        cairo_arc(cr, 5.5, y + 3, 1, 0, 2 * M_PI);
        SetRgb(cr, Shade(wood, -0.5));
        cairo_fill(cr);
      }
    } else {
      // A steel crash barrier: a ribbed rail bolted to posts.
      for (double y : {6.0, 36.0, 66.0}) {
        RoundedRect(cr, 5, y, 6, 7, 1);
        SetRgb(cr, Hex(0x17171b));
        cairo_fill(cr);
        RoundedRect(cr, 3, y - 1, 6, 6, 1);
        FillLit(cr, Hex(0x5a6068), 3, y - 1, 6, 6, 1, 0.4);
      }
      cairo_rectangle(cr, 2.5, 2, 8, 78);
      SetRgb(cr, Hex(0x1b1b20));
      cairo_fill(cr);
      RoundedRect(cr, 1, 0.5, 8, 78, 2);
      FillLitAcross(cr, Hex(0xaab2bc), 1, 0.5, 8, 78, 1);
      for (double x : {3.3, 6.3}) {
        cairo_rectangle(cr, x, 1, 0.9, 77);
        cairo_set_source_rgba(cr, 0, 0, 0, 0.3);
        cairo_fill(cr);
      }
      for (double y : {8.0, 38.0, 68.0}) {
        cairo_arc(cr, 5, y, 1.2, 0, 2 * M_PI);
        SetRgb(cr, Hex(0x404650));
        cairo_fill(cr);
      }
      // Red reflectors.
      for (double y : {22.0, 52.0}) {
        cairo_rectangle(cr, 3.5, y, 3, 3);
        SetRgb(cr, Hex(0xff3030));
        cairo_fill(cr);
      }
    }
  });
}

void DrawSign(PictureSet& set, const char* name, bool blue, bool pole_left) {
  Picture& p = set.Make(name);
  p.DrawEachFrameSame([&](cairo_t* cr) {
    const double px = pole_left ? 6 : 20;
    // Post with its shadow on the ground, then the sign face turned towards the driver.
    cairo_rectangle(cr, px + 1, 20, 3, 29);
    SetRgb(cr, Hex(0x18181c));
    cairo_fill(cr);
    RoundedRect(cr, px - 1.5, 16, 3, 32, 1);
    FillLitAcross(cr, Hex(0xb0b4bc), px - 1.5, 16, 3, 32, 0.8);
    const double cx = 13, cy = 12;
    if (blue) {
      RoundedRect(cr, cx - 11, cy - 10, 22, 20, 3);
      FillLit(cr, Hex(0x1d5fd6), cx - 11, cy - 10, 22, 20, 1.3);
      RoundedRect(cr, cx - 9, cy - 8, 18, 16, 2);
      SetRgb(cr, Hex(0xf4f4f4));
      cairo_set_line_width(cr, 1);
      cairo_stroke(cr);
      // Straight-ahead arrow.
      cairo_move_to(cr, cx, cy - 6);
      cairo_line_to(cr, cx + 5, cy - 1);
      cairo_line_to(cr, cx + 2, cy - 1);
      cairo_line_to(cr, cx + 2, cy + 6);
      cairo_line_to(cr, cx - 2, cy + 6);
      cairo_line_to(cr, cx - 2, cy - 1);
      cairo_line_to(cr, cx - 5, cy - 1);
      cairo_close_path(cr);
      SetRgb(cr, Hex(0xf8f8f8));
      cairo_fill(cr);
    } else {
      // Red warning triangle.
      cairo_move_to(cr, cx, cy - 11);
      cairo_line_to(cr, cx + 12, cy + 9);
      cairo_line_to(cr, cx - 12, cy + 9);
      cairo_close_path(cr);
      FillLit(cr, Hex(0xe02024), cx - 12, cy - 11, 24, 20, 1.3);
      cairo_move_to(cr, cx, cy - 5);
      cairo_line_to(cr, cx + 7, cy + 6);
      cairo_line_to(cr, cx - 7, cy + 6);
      cairo_close_path(cr);
      SetRgb(cr, Hex(0xf8f8f4));
      cairo_fill(cr);
      RoundedRect(cr, cx - 1, cy - 2, 2, 5, 0.8);
      SetRgb(cr, Hex(0x202024));
      cairo_fill(cr);
      cairo_arc(cr, cx, cy + 4.5, 1, 0, 2 * M_PI);
      cairo_fill(cr);
    }
    Gloss(cr, cx - 11, cy - 11, 22, 20, 0.35);
  });
}

void DrawBush(PictureSet& set, const char* name, uint64_t seed, Rgb leaf) {
  Picture& p = set.Make(name);
  p.DrawEachFrameSame([&](cairo_t* cr) {
    Rng rng(seed);
    struct Clump {
      double x, y, r;
    };
    std::vector<Clump> clumps;
    for (int i = 0; i < 7; ++i) {
      double a = i * 2 * M_PI / 7;
      clumps.push_back({18 + 9 * std::cos(a) + rng.Range(-2, 2),
                        20 + 10 * std::sin(a) + rng.Range(-2, 2), rng.Range(7, 9)});
    }
    clumps.push_back({18, 19, 10});
    // Ground shadow, then the clumps back to front with their own highlights.
    for (auto& c : clumps) {
      cairo_arc(cr, c.x + 2, c.y + 2.5, c.r, 0, 2 * M_PI);
      SetRgb(cr, Hex(0x142012));
      cairo_fill(cr);
    }
    for (auto& c : clumps) {
      cairo_arc(cr, c.x, c.y, c.r, 0, 2 * M_PI);
      cairo_pattern_t* g =
          cairo_pattern_create_radial(c.x - c.r * 0.4, c.y - c.r * 0.4, 1, c.x, c.y, c.r);
      Rgb hi = Shade(leaf, 0.35), lo = Shade(leaf, -0.45);
      cairo_pattern_add_color_stop_rgb(g, 0, hi.r, hi.g, hi.b);
      cairo_pattern_add_color_stop_rgb(g, 0.6, leaf.r, leaf.g, leaf.b);
      cairo_pattern_add_color_stop_rgb(g, 1, lo.r, lo.g, lo.b);
      cairo_set_source(cr, g);
      cairo_fill_preserve(cr);
      cairo_pattern_destroy(g);
      SetRgb(cr, Hex(0x12240e));
      cairo_set_line_width(cr, 0.9);
      cairo_stroke(cr);
    }
    // Leaf speckle.
    for (int i = 0; i < 40; ++i) {
      double a = rng.Range(0, 2 * M_PI), r = rng.Range(0, 14);
      cairo_arc(cr, 18 + r * std::cos(a), 20 + r * std::sin(a), 0.9, 0, 2 * M_PI);
      SetRgb(cr, i % 3 ? Shade(leaf, 0.4) : Shade(leaf, -0.4));
      cairo_fill(cr);
    }
  });
}

}  // namespace

void DrawRoad(PictureSet& set) {
  DrawLand(set);
  DrawFinishLine(set);
  DrawCrack(set);
  DrawWater(set);
  DrawStones(set);
  Picture& small = set.Make("SpikesSmall");
  small.DrawEachFrameSame([](cairo_t* cr) { Spikes(cr, 44, 22); });
  Picture& big = set.Make("SpikesBig");
  big.DrawEachFrameSame([](cairo_t* cr) { Spikes(cr, 110, 24); });
  DrawWall(set);
  DrawFence(set, "FenseLeft", true);
  DrawFence(set, "FenseRight", false);
  DrawSign(set, "SignLeftBlue", true, false);
  DrawSign(set, "SignLeftRed", false, false);
  DrawSign(set, "SignRightBlue", true, true);
  DrawSign(set, "SignRightRed", false, true);
  DrawBush(set, "BushLeft", SeedOf("bush-left"), Hex(0x3f8f2a));
  DrawBush(set, "BushRight", SeedOf("bush-right"), Hex(0x4f9a24));
}

}  // namespace vontra::forge
