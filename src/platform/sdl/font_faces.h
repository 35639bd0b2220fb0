#pragma once
#include <string>

namespace vontra {

// A font file found for one of the game's family names.
struct FontFace {
  std::string File;  // empty when nothing was found
  int Index = 0;     // face index inside the file
  std::string Family;
  bool Heavy = false;  // the file itself is bold or heavier
};

// Finds the face that stands in for a Windows family name, through fontconfig:
//   "Arial"           -> Liberation Sans (same metrics)
//   "Times New Roman" -> Liberation Serif (same metrics)
//   "Arial Black"     -> Roboto Black (a heavy sans with Cyrillic)
//   "DS Crystal"      -> Jura Medium (a thin technical display face with Cyrillic and
//                        segment-like figures)
// and DejaVu Sans when none of those is installed. Any other family is asked of fontconfig.
FontFace FindFontFace(const std::string& family, bool bold);

}  // namespace vontra
