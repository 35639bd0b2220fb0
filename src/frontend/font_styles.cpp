#include "frontend/font_styles.h"

namespace vontra {

const std::array<FontStyle, kFontStyleCount + 1> kFontStyles = {{
    {"", 0, false, 0, 0, 0},
    {"Arial", 16, false, 255, 207, 114},         // 1 high-score rows
    {"Arial", 10, false, 67, 255, 0},            // 2 HUD
    {"Arial", 20, true, 255, 180, 27},           // 3 options text field
    {"Arial", 10, false, 67, 255, 0},            // 4 HUD
    {"Arial", 10, false, 67, 255, 0},            // 5 HUD
    {"Arial", 10, false, 255, 255, 255},         // 6 HUD
    {"Arial", 30, false, 0, 0, 0},               // 7 short window questions
    {"Arial Black", 30, false, 11, 39, 210},     // 8
    {"Arial", 30, false, 0, 0, 0},               // 9
    {"Arial", 26, false, 0, 0, 0},               // 10 clear-table question
    {"Times New Roman", 30, true, 45, 91, 240},  // 11
    {"Arial", 24, false, 0, 0, 0},               // 12 score, name entry, send result
    {"DS Crystal", 30, false, 255, 241, 0},      // 13 level banner, pause, time over
    {"Arial", 8, false, 2, 2, 2},                // 14 HUD
    {"Arial", 20, false, 247, 166, 0},           // 15 help page title
    {"Arial", 16, false, 247, 166, 0},           // 16 help headings
    {"Arial", 12, false, 247, 166, 0},           // 17 help body
    {"Arial", 16, true, 247, 166, 0},            // 18 credits title
}};

}  // namespace vontra
