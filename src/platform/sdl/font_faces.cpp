#include "platform/sdl/font_faces.h"

#include <strings.h>

#include <vector>

namespace vontra {
namespace {

struct Candidate {
  std::string family;
  int weight;  // FC_WEIGHT_* for the plain style; bold asks for at least FC_WEIGHT_BOLD
};

std::vector<Candidate> CandidatesFor(const std::string& family) {
  const auto is = [&family](const char* name) { return strcasecmp(family.c_str(), name) == 0; };
  std::vector<Candidate> list = {{family, FC_WEIGHT_REGULAR}};
  if (is("Arial")) {
    list.insert(list.end(), {{"Liberation Sans", FC_WEIGHT_REGULAR}, {"Arimo", FC_WEIGHT_REGULAR}});
  } else if (is("Times New Roman")) {
    list.insert(list.end(),
                {{"Liberation Serif", FC_WEIGHT_REGULAR}, {"Tinos", FC_WEIGHT_REGULAR}});
  } else if (is("Arial Black")) {
    list.insert(list.end(), {{"Roboto", FC_WEIGHT_BLACK}, {"DejaVu Sans", FC_WEIGHT_BOLD}});
  } else if (is("DS Crystal")) {
    list.insert(list.end(), {{"Jura", FC_WEIGHT_MEDIUM}, {"DejaVu Sans Mono", FC_WEIGHT_REGULAR}});
  }
  list.push_back({"DejaVu Sans", FC_WEIGHT_REGULAR});
  return list;
}

bool CoversRussian(FcPattern* match) {
  FcCharSet* chars = nullptr;
  if (FcPatternGetCharSet(match, FC_CHARSET, 0, &chars) != FcResultMatch) return false;
  for (FcChar32 c : {0x0416u, 0x044Fu, 0x0451u}) {  // Ж я ё
    if (!FcCharSetHasChar(chars, c)) return false;
  }
  return true;
}

void TakeFace(FcPattern* match, const std::string& family, FontFace& face) {
  FcChar8* file = nullptr;
  FcPatternGetString(match, FC_FILE, 0, &file);
  face.File = reinterpret_cast<const char*>(file);
  face.Family = family;
  int index = 0;
  face.Index = FcPatternGetInteger(match, FC_INDEX, 0, &index) == FcResultMatch ? index : 0;
  int matchedWeight = FC_WEIGHT_REGULAR;
  FcPatternGetInteger(match, FC_WEIGHT, 0, &matchedWeight);
  face.Heavy = matchedWeight >= FC_WEIGHT_BOLD;
}

// fontconfig's best match for a pattern; the caller destroys it.
FcPattern* BestMatch(FcConfig* config, FcPattern* pattern) {
  FcPatternAddInteger(pattern, FC_SLANT, FC_SLANT_ROMAN);
  FcConfigSubstitute(config, pattern, FcMatchPattern);
  FcDefaultSubstitute(pattern);
  FcResult result = FcResultNoMatch;
  FcPattern* match = FcFontMatch(config, pattern, &result);
  FcPatternDestroy(pattern);
  return match;
}

// The best installed match for one family, only if fontconfig really has that family.
bool Match(FcConfig* config, const std::string& family, int weight, FontFace& face) {
  FcPattern* pattern = FcPatternCreate();
  FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
  FcPatternAddInteger(pattern, FC_WEIGHT, weight);
  FcPattern* match = BestMatch(config, pattern);
  if (match == nullptr) return false;
  // fontconfig falls back to any face at all, and answers "Arial" with Liberation Sans through
  // its aliases: accept only a face whose own family is the one asked for.
  bool found = false;
  FcChar8* matchedFamily = nullptr;
  for (int i = 0;
       !found && FcPatternGetString(match, FC_FAMILY, i, &matchedFamily) == FcResultMatch; ++i) {
    found = strcasecmp(reinterpret_cast<const char*>(matchedFamily), family.c_str()) == 0;
  }
  FcChar8* file = nullptr;
  found = found && FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch;
  if (found) TakeFace(match, family, face);
  FcPatternDestroy(match);
  return found;
}

// Any face that draws Russian text, for a machine without any of the families above.
bool MatchAnyRussian(FcConfig* config, int weight, FontFace& face) {
  FcPattern* pattern = FcPatternCreate();
  FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>("sans-serif"));
  FcPatternAddString(pattern, FC_LANG, reinterpret_cast<const FcChar8*>("ru"));
  FcPatternAddInteger(pattern, FC_WEIGHT, weight);
  FcPattern* match = BestMatch(config, pattern);
  if (match == nullptr) return false;
  FcChar8* file = nullptr;
  FcChar8* family = nullptr;
  const bool found = FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch &&
                     FcPatternGetString(match, FC_FAMILY, 0, &family) == FcResultMatch &&
                     CoversRussian(match);
  if (found) TakeFace(match, reinterpret_cast<const char*>(family), face);
  FcPatternDestroy(match);
  return found;
}

}  // namespace

FontFace FindFontFace(const std::string& family, bool bold, FcConfig* config) {
  if (config == nullptr) FcInit();
  FontFace face;
  for (const Candidate& c : CandidatesFor(family)) {
    const int weight = bold && c.weight < FC_WEIGHT_BOLD ? FC_WEIGHT_BOLD : c.weight;
    if (Match(config, c.family, weight, face)) return face;
  }
  MatchAnyRussian(config, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR, face);
  return face;
}

std::string MissingFontsMessage(FcConfig* config) {
  if (!FindFontFace("Arial", false, config).File.empty()) return {};
  return "No font with Russian letters is installed, so the game cannot show its texts.\n"
         "Install the package fonts-liberation2 (sudo apt install fonts-liberation2) and "
         "start the game again.";
}

}  // namespace vontra
