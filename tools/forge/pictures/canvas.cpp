#include "canvas.h"

#include <cairo-ft.h>
#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <stdexcept>
#include <vector>

namespace vontra::forge {

Rgb Mix(Rgb a, Rgb b, double t) {
  return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

Rgb Shade(Rgb c, double k) {
  if (k >= 0) return Mix(c, Rgb{1, 1, 1}, k);
  return Mix(c, palette::kOutline, -k);
}

uint32_t Rng::Next() {
  // splitmix64: small, fast and the same on every machine.
  state_ += 0x9E3779B97F4A7C15ull;
  uint64_t z = state_;
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return static_cast<uint32_t>((z ^ (z >> 31)) >> 32);
}

uint64_t SeedOf(std::string_view text) {
  uint64_t h = 1469598103934665603ull;
  for (char c : text) h = (h ^ static_cast<unsigned char>(c)) * 1099511628211ull;
  return h;
}

Picture::Picture(const PictureSpec& spec) : spec_(spec) {
  surface_ = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, strip_width(), spec.height);
  if (cairo_surface_status(surface_) != CAIRO_STATUS_SUCCESS) {
    throw std::runtime_error("cannot create a surface for " + std::string(spec.name));
  }
}

Picture::~Picture() {
  cairo_surface_destroy(surface_);
}

void Picture::DrawFrames(const std::function<void(cairo_t*, int)>& draw) {
  for (int f = 0; f < spec_.frames; ++f) {
    cairo_t* cr = cairo_create(surface_);
    cairo_rectangle(cr, f * spec_.width, 0, spec_.width, spec_.height);
    cairo_clip(cr);
    cairo_translate(cr, f * spec_.width, 0);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    draw(cr, f);
    cairo_destroy(cr);
  }
}

void Picture::DrawEachFrameSame(const std::function<void(cairo_t*)>& draw) {
  DrawFrames([&](cairo_t* cr, int) { draw(cr); });
}

void Picture::Finish() {
  static constexpr int kBayer[4][4] = {
      {0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
  cairo_surface_flush(surface_);
  unsigned char* data = cairo_image_surface_get_data(surface_);
  const int stride = cairo_image_surface_get_stride(surface_);
  const int w = strip_width();
  const int h = spec_.height;
  for (int y = 0; y < h; ++y) {
    auto* row = reinterpret_cast<uint32_t*>(data + y * stride);
    for (int x = 0; x < w; ++x) {
      const uint32_t p = row[x];
      const int a = static_cast<int>(p >> 24);
      bool keep;
      if (edge == Edge::Dither) {
        keep = a * 16 > (kBayer[y & 3][x & 3] * 255 + 128);
      } else {
        keep = a >= 128;
      }
      if (!keep || a == 0) {
        row[x] = 0;
        continue;
      }
      int r = std::min(255, static_cast<int>(((p >> 16) & 255) * 255 + a / 2) / a);
      int g = std::min(255, static_cast<int>(((p >> 8) & 255) * 255 + a / 2) / a);
      int b = std::min(255, static_cast<int>((p & 255) * 255 + a / 2) / a);
      // A colour whose RGB565 form is black would be punched out by the colour key.
      if (r < 8 && g < 4 && b < 8) {
        r = std::max(r, 8);
        g = std::max(g, 8);
        b = std::max(b, 10);
      }
      row[x] = 0xFF000000u | (static_cast<uint32_t>(r) << 16) | (static_cast<uint32_t>(g) << 8) |
               static_cast<uint32_t>(b);
    }
  }
  cairo_surface_mark_dirty(surface_);
}

void RoundedRect(cairo_t* cr, double x, double y, double w, double h, double r) {
  r = std::min({r, w / 2, h / 2});
  cairo_new_sub_path(cr);
  cairo_arc(cr, x + w - r, y + r, r, -M_PI / 2, 0);
  cairo_arc(cr, x + w - r, y + h - r, r, 0, M_PI / 2);
  cairo_arc(cr, x + r, y + h - r, r, M_PI / 2, M_PI);
  cairo_arc(cr, x + r, y + r, r, M_PI, 1.5 * M_PI);
  cairo_close_path(cr);
}

void SetRgb(cairo_t* cr, Rgb c, double alpha) {
  cairo_set_source_rgba(cr, c.r, c.g, c.b, alpha);
}

static void StrokeOutline(cairo_t* cr, Rgb base, double outline) {
  if (outline <= 0) {
    cairo_new_path(cr);
    return;
  }
  SetRgb(cr, Mix(palette::kOutline, base, 0.15));
  cairo_set_line_width(cr, outline);
  cairo_stroke(cr);
}

void FillLit(cairo_t* cr, Rgb base, double x, double y, double w, double h, double outline,
             double contrast) {
  cairo_pattern_t* g = cairo_pattern_create_linear(x, y, x + w * 0.6, y + h);
  Rgb hi = Shade(base, contrast);
  Rgb lo = Shade(base, -contrast * 1.1);
  cairo_pattern_add_color_stop_rgb(g, 0, hi.r, hi.g, hi.b);
  cairo_pattern_add_color_stop_rgb(g, 0.45, base.r, base.g, base.b);
  cairo_pattern_add_color_stop_rgb(g, 1, lo.r, lo.g, lo.b);
  cairo_set_source(cr, g);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(g);
  StrokeOutline(cr, base, outline);
}

void FillLitAcross(cairo_t* cr, Rgb base, double x, double y, double w, double h, double outline) {
  (void)y;
  (void)h;
  cairo_pattern_t* g = cairo_pattern_create_linear(x, 0, x + w, 0);
  Rgb hi = Shade(base, 0.4);
  Rgb lo = Shade(base, -0.4);
  cairo_pattern_add_color_stop_rgb(g, 0, lo.r * 0.5 + hi.r * 0.5, lo.g * 0.5 + hi.g * 0.5,
                                   lo.b * 0.5 + hi.b * 0.5);
  cairo_pattern_add_color_stop_rgb(g, 0.25, hi.r, hi.g, hi.b);
  cairo_pattern_add_color_stop_rgb(g, 0.6, base.r, base.g, base.b);
  cairo_pattern_add_color_stop_rgb(g, 1, lo.r, lo.g, lo.b);
  cairo_set_source(cr, g);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(g);
  StrokeOutline(cr, base, outline);
}

void Gloss(cairo_t* cr, double x, double y, double w, double h, double strength) {
  cairo_save(cr);
  cairo_pattern_t* g = cairo_pattern_create_radial(x + w * 0.3, y + h * 0.3, 0, x + w * 0.3,
                                                   y + h * 0.3, std::max(w, h) * 0.55);
  cairo_pattern_add_color_stop_rgba(g, 0, 1, 1, 1, strength);
  cairo_pattern_add_color_stop_rgba(g, 1, 1, 1, 1, 0);
  cairo_set_source(cr, g);
  cairo_rectangle(cr, x, y, w, h);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  cairo_restore(cr);
}

void Glow(cairo_t* cr, double cx, double cy, double radius, Rgb c, double alpha) {
  cairo_pattern_t* g = cairo_pattern_create_radial(cx, cy, 0, cx, cy, radius);
  cairo_pattern_add_color_stop_rgba(g, 0, c.r, c.g, c.b, alpha);
  cairo_pattern_add_color_stop_rgba(g, 1, c.r, c.g, c.b, 0);
  cairo_set_source(cr, g);
  cairo_arc(cr, cx, cy, radius, 0, 2 * M_PI);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
}

// --- fonts ---------------------------------------------------------------------------------

namespace {

struct LoadedFace {
  cairo_font_face_t* face = nullptr;
  FcCharSet* charset = nullptr;
  std::string file;
};

const char* PatternOf(Face face) {
  switch (face) {
    case Face::Heavy:
      return "Roboto:weight=black";
    case Face::Bold:
      return "Roboto:weight=bold";
    case Face::Condensed:
      return "Roboto Condensed:weight=bold";
    case Face::Regular:
      return "Liberation Sans";
  }
  return "Roboto";
}

const char* ExpectedFileOf(Face face) {
  switch (face) {
    case Face::Heavy:
      return "Roboto-Black";
    case Face::Bold:
      return "Roboto-Bold";
    case Face::Condensed:
      return "RobotoCondensed-Bold";
    case Face::Regular:
      return "LiberationSans-Regular";
  }
  return "";
}

LoadedFace& Load(Face face) {
  // The forge is a short-lived build tool: faces are loaded once and kept to the end.
  static std::map<Face, LoadedFace> cache;
  auto it = cache.find(face);
  if (it != cache.end()) return it->second;
  FcPattern* pattern = FcNameParse(reinterpret_cast<const FcChar8*>(PatternOf(face)));
  FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
  FcDefaultSubstitute(pattern);
  FcResult result;
  FcPattern* match = FcFontMatch(nullptr, pattern, &result);
  FcPatternDestroy(pattern);
  if (!match) throw std::runtime_error(std::string("no font for ") + PatternOf(face));
  FcChar8* file = nullptr;
  FcPatternGetString(match, FC_FILE, 0, &file);
  LoadedFace loaded;
  loaded.file = file ? reinterpret_cast<const char*>(file) : "";
  if (loaded.file.find(ExpectedFileOf(face)) == std::string::npos) {
    throw std::runtime_error(std::string("font ") + PatternOf(face) + " resolved to '" +
                             loaded.file + "'; install fonts-roboto-unhinted and fonts-liberation");
  }
  FcCharSet* cs = nullptr;
  FcPatternGetCharSet(match, FC_CHARSET, 0, &cs);
  loaded.charset = cs ? FcCharSetCopy(cs) : nullptr;
  loaded.face = cairo_ft_font_face_create_for_pattern(match);
  FcPatternDestroy(match);
  return cache.emplace(face, loaded).first->second;
}

// Decodes one UTF-8 sequence; the labels are our own literals, so malformed input is a bug.
std::vector<uint32_t> CodePoints(std::string_view s) {
  std::vector<uint32_t> out;
  for (size_t i = 0; i < s.size();) {
    unsigned char c = s[i];
    int n = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : 4;
    uint32_t cp = n == 1 ? c : n == 2 ? (c & 0x1F) : n == 3 ? (c & 0x0F) : (c & 0x07);
    for (int k = 1; k < n && i + k < s.size(); ++k) cp = (cp << 6) | (s[i + k] & 0x3F);
    out.push_back(cp);
    i += n;
  }
  return out;
}

}  // namespace

void CheckCoverage(Face face, std::string_view utf8) {
  LoadedFace& f = Load(face);
  for (uint32_t cp : CodePoints(utf8)) {
    if (cp == ' ') continue;
    if (!f.charset || !FcCharSetHasChar(f.charset, cp)) {
      char buf[32];
      std::snprintf(buf, sizeof buf, "U+%04X", cp);
      throw std::runtime_error(f.file + " cannot draw " + buf + " of '" + std::string(utf8) + "'");
    }
  }
}

void SelectFace(cairo_t* cr, Face face, double size) {
  cairo_set_font_face(cr, Load(face).face);
  cairo_set_font_size(cr, size);
  cairo_font_options_t* opt = cairo_font_options_create();
  cairo_font_options_set_antialias(opt, CAIRO_ANTIALIAS_GRAY);
  cairo_font_options_set_hint_style(opt, CAIRO_HINT_STYLE_NONE);
  cairo_font_options_set_hint_metrics(opt, CAIRO_HINT_METRICS_OFF);
  cairo_set_font_options(cr, opt);
  cairo_font_options_destroy(opt);
}

double TextWidth(cairo_t* cr, const char* utf8) {
  cairo_text_extents_t e;
  cairo_text_extents(cr, utf8, &e);
  return e.x_advance;
}

static double AlignedX(cairo_t* cr, const char* utf8, double x, Align align) {
  double w = TextWidth(cr, utf8);
  if (align == Align::Centre) return x - w / 2;
  if (align == Align::Right) return x - w;
  return x;
}

static Face CurrentFace(cairo_t* cr) {
  cairo_font_face_t* current = cairo_get_font_face(cr);
  for (Face f : {Face::Heavy, Face::Bold, Face::Condensed, Face::Regular}) {
    if (Load(f).face == current) return f;
  }
  throw std::runtime_error("text drawn without SelectFace");
}

void OutlinedText(cairo_t* cr, const char* utf8, double x, double y, Align align, Rgb top,
                  Rgb bottom, double outline, Rgb outline_colour) {
  CheckCoverage(CurrentFace(cr), utf8);
  cairo_save(cr);
  double tx = AlignedX(cr, utf8, x, align);
  cairo_font_extents_t fe;
  cairo_font_extents(cr, &fe);
  cairo_new_path(cr);
  cairo_move_to(cr, tx, y);
  cairo_text_path(cr, utf8);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  if (outline > 0) {
    SetRgb(cr, outline_colour);
    cairo_set_line_width(cr, outline * 2);
    cairo_stroke_preserve(cr);
  }
  cairo_pattern_t* g = cairo_pattern_create_linear(0, y - fe.ascent * 0.8, 0, y);
  cairo_pattern_add_color_stop_rgb(g, 0, top.r, top.g, top.b);
  cairo_pattern_add_color_stop_rgb(g, 1, bottom.r, bottom.g, bottom.b);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  cairo_restore(cr);
}

void PlainText(cairo_t* cr, const char* utf8, double x, double y, Align align, Rgb colour) {
  CheckCoverage(CurrentFace(cr), utf8);
  cairo_save(cr);
  cairo_new_path(cr);
  cairo_move_to(cr, AlignedX(cr, utf8, x, align), y);
  SetRgb(cr, colour);
  cairo_show_text(cr, utf8);
  cairo_restore(cr);
}

}  // namespace vontra::forge
