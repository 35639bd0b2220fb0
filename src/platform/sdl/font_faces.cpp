#include "platform/sdl/font_faces.h"

#include <fontconfig/fontconfig.h>
#include <strings.h>

#include <vector>

namespace vontra {
namespace {

struct Candidate {
  const char* family;
  int weight;  // FC_WEIGHT_* for the plain style; bold asks for at least FC_WEIGHT_BOLD
};

std::vector<Candidate> CandidatesFor(const std::string& family) {
  const auto is = [&family](const char* name) { return strcasecmp(family.c_str(), name) == 0; };
  if (is("Arial")) return {{"Liberation Sans", FC_WEIGHT_REGULAR}, {"Arimo", FC_WEIGHT_REGULAR}};
  if (is("Times New Roman")) {
    return {{"Liberation Serif", FC_WEIGHT_REGULAR}, {"Tinos", FC_WEIGHT_REGULAR}};
  }
  if (is("Arial Black")) return {{"Roboto", FC_WEIGHT_BLACK}, {"DejaVu Sans", FC_WEIGHT_BOLD}};
  if (is("DS Crystal")) {
    return {{"Jura", FC_WEIGHT_MEDIUM}, {"DejaVu Sans Mono", FC_WEIGHT_REGULAR}};
  }
  return {{family.c_str(), FC_WEIGHT_REGULAR}};
}

// The best installed match for one family, only if fontconfig really has that family.
bool Match(const std::string& family, int weight, FontFace& face) {
  FcPattern* pattern = FcPatternCreate();
  FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
  FcPatternAddInteger(pattern, FC_WEIGHT, weight);
  FcPatternAddInteger(pattern, FC_SLANT, FC_SLANT_ROMAN);
  FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
  FcDefaultSubstitute(pattern);
  FcResult result = FcResultNoMatch;
  FcPattern* match = FcFontMatch(nullptr, pattern, &result);
  FcPatternDestroy(pattern);
  if (match == nullptr) return false;
  bool found = false;
  FcChar8* matchedFamily = nullptr;
  FcChar8* file = nullptr;
  // fontconfig falls back to any face at all; accept only the family asked for (its
  // metric-compatible aliases, such as Arial for Liberation Sans, are asked for by name).
  for (int i = 0; FcPatternGetString(match, FC_FAMILY, i, &matchedFamily) == FcResultMatch; ++i) {
    if (strcasecmp(reinterpret_cast<const char*>(matchedFamily), family.c_str()) == 0) {
      found = true;
      break;
    }
  }
  if (found && FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch) {
    face.File = reinterpret_cast<const char*>(file);
    face.Family = family;
    int index = 0;
    if (FcPatternGetInteger(match, FC_INDEX, 0, &index) == FcResultMatch) face.Index = index;
    int matchedWeight = FC_WEIGHT_REGULAR;
    FcPatternGetInteger(match, FC_WEIGHT, 0, &matchedWeight);
    face.Heavy = matchedWeight >= FC_WEIGHT_BOLD;
  } else {
    found = false;
  }
  FcPatternDestroy(match);
  return found;
}

}  // namespace

FontFace FindFontFace(const std::string& family, bool bold) {
  FcInit();
  FontFace face;
  std::vector<Candidate> candidates = CandidatesFor(family);
  candidates.push_back({"DejaVu Sans", FC_WEIGHT_REGULAR});
  for (const Candidate& c : candidates) {
    const int weight = bold && c.weight < FC_WEIGHT_BOLD ? FC_WEIGHT_BOLD : c.weight;
    if (Match(c.family, weight, face)) return face;
  }
  return face;
}

}  // namespace vontra
