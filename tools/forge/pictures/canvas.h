#pragma once

// The forge's drawing kit: a picture strip on a cairo surface, the shared palette and the
// shading and outline helpers that give every picture the same hand (light from the upper left,
// dark outlines, soft gradients).

#include <cairo.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "picture_catalogue.h"

namespace vontra::forge {

struct Rgb {
  double r = 0, g = 0, b = 0;
};

constexpr Rgb Hex(uint32_t v) {
  return {((v >> 16) & 255) / 255.0, ((v >> 8) & 255) / 255.0, (v & 255) / 255.0};
}
Rgb Mix(Rgb a, Rgb b, double t);
// k > 0 lightens towards white, k < 0 darkens towards the outline colour.
Rgb Shade(Rgb c, double k);

namespace palette {
inline constexpr Rgb kOutline = Hex(0x15121c);  // never rounds to the colour key
inline constexpr Rgb kLcdGreen = Hex(0x43ff00);
inline constexpr Rgb kMenuOrange = Hex(0xf7a600);
inline constexpr Rgb kMenuLight = Hex(0xffcf72);
inline constexpr Rgb kBanner = Hex(0xfff100);
inline constexpr Rgb kMetal = Hex(0x3a4250);
inline constexpr Rgb kMenuPanel = Hex(0x222a3a);
}  // namespace palette

// Small deterministic generator: every picture seeds its own, so pictures do not depend on
// the order in which they are drawn.
class Rng {
 public:
  explicit Rng(uint64_t seed) : state_(seed * 0x9E3779B97F4A7C15ull + 0x632BE59BD9B4E019ull) {}
  uint32_t Next();
  double Uniform() { return Next() / 4294967296.0; }
  double Range(double lo, double hi) { return lo + (hi - lo) * Uniform(); }

 private:
  uint64_t state_;
};

uint64_t SeedOf(std::string_view text);

// How the picture's soft alpha becomes the colour key's all-or-nothing transparency.
enum class Edge { Threshold, Dither };

class Picture {
 public:
  Picture(const PictureSpec& spec);
  ~Picture();
  Picture(const Picture&) = delete;
  Picture& operator=(const Picture&) = delete;

  const PictureSpec& spec() const { return spec_; }
  int frame_width() const { return spec_.width; }
  int frame_height() const { return spec_.height; }
  int frames() const { return spec_.frames; }
  int strip_width() const { return spec_.width * spec_.frames; }
  cairo_surface_t* surface() const { return surface_; }

  // Runs draw once per frame, with the origin at the frame's top left and drawing clipped to it.
  void DrawFrames(const std::function<void(cairo_t*, int frame)>& draw);
  void DrawEachFrameSame(const std::function<void(cairo_t*)>& draw);

  Edge edge = Edge::Threshold;

  // Turns the drawing into what a 16-bit colour-keyed display shows: every pixel either fully
  // opaque, at least one RGB565 step away from black, or exactly transparent black.
  void Finish();

 private:
  PictureSpec spec_;
  cairo_surface_t* surface_;
};

// --- shapes --------------------------------------------------------------------------------

void RoundedRect(cairo_t* cr, double x, double y, double w, double h, double r);
void SetRgb(cairo_t* cr, Rgb c, double alpha = 1.0);

// Fills the current path with the base colour lit from the upper left over the box, then
// strokes a dark outline; the path is consumed.
void FillLit(cairo_t* cr, Rgb base, double x, double y, double w, double h, double outline = 1.2,
             double contrast = 0.35);
// Like FillLit with a gradient across the width only (for shapes seen from above, like roofs).
void FillLitAcross(cairo_t* cr, Rgb base, double x, double y, double w, double h,
                   double outline = 1.2);
// A soft highlight blob (specular gloss) in the upper left of a box.
void Gloss(cairo_t* cr, double x, double y, double w, double h, double strength = 0.45);
// A radial glow around a point, fading to transparent.
void Glow(cairo_t* cr, double cx, double cy, double radius, Rgb c, double alpha);

// --- text ----------------------------------------------------------------------------------

enum class Face { Heavy, Bold, Condensed, Regular };

// Font faces come from fontconfig by pattern; the forge stops if a face cannot draw every
// character of a label (empty boxes would ship otherwise).
void SelectFace(cairo_t* cr, Face face, double size);
void CheckCoverage(Face face, std::string_view utf8);
double TextWidth(cairo_t* cr, const char* utf8);

enum class Align { Left, Centre, Right };
// Draws a label with a dark outline and a vertical gradient fill; y is the baseline.
void OutlinedText(cairo_t* cr, const char* utf8, double x, double y, Align align, Rgb top,
                  Rgb bottom, double outline = 3.0, Rgb outline_colour = palette::kOutline);
void PlainText(cairo_t* cr, const char* utf8, double x, double y, Align align, Rgb colour);

}  // namespace vontra::forge
