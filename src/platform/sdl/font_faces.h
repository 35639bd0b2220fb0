#pragma once
#include <fontconfig/fontconfig.h>

#include <string>

namespace vontra {

// A font file found for one of the game's family names.
struct FontFace {
  std::string File;  // empty when nothing was found
  int Index = 0;     // face index inside the file
  std::string Family;
  bool Heavy = false;  // the file itself is bold or heavier
};

// Finds the face for a Windows family name through fontconfig, in this order:
// 1. the family itself, where it is installed;
// 2. its stand-in from Debian's packages:
//      "Arial"           -> Liberation Sans (same metrics)
//      "Times New Roman" -> Liberation Serif (same metrics)
//      "Arial Black"     -> Roboto Black (a heavy sans with Cyrillic)
//      "DS Crystal"      -> Jura Medium (a thin technical display face with Cyrillic and
//                           segment-like figures)
// 3. DejaVu (Sans Bold for "Arial Black", Sans Mono for "DS Crystal", else Sans);
// 4. whatever face fontconfig offers for Russian text.
// `config` is the fontconfig configuration to ask (nullptr: the current one).
FontFace FindFontFace(const std::string& family, bool bold, FcConfig* config = nullptr);

// Empty when the game can draw its texts; otherwise the reason and the package that mends it,
// for the player, in two lines.
std::string MissingFontsMessage(FcConfig* config = nullptr);

}  // namespace vontra
