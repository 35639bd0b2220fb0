#pragma once
// The local table of the ten best results. Rows 1..10 are the table, best first; row 11 takes
// a new result before sorting and falls off afterwards.
#include <cstdint>
#include <string>

#include "app/front_end_state.h"

namespace vontra {

class TMForm;

inline constexpr int kTableRows = 10;
inline constexpr size_t kMaxNameLength = 10;

// Rows 1..10 become the default table; row 11 is left alone.
void ResetHighScores(FrontEndState& state);

// True when some row of the table scored strictly less than `score`.
bool QualifiesForTable(const FrontEndState& state, int32_t score);
bool QualifiesForTable(const TMForm& form);

// Puts (name, score) into row 11 and sorts it into place.
void InsertResult(FrontEndState& state, const std::string& name, int32_t score);
void InsertResult(TMForm& form);

// Highest score first; rows with equal scores keep their order, so a new result that ties
// ends below the rows it ties with.
void SortHighScores(FrontEndState& state);

// Typing into the player's name: Backspace removes the last character, codes 32 and above
// are appended while the name is shorter than ten characters, everything else is ignored.
// Enter is not handled here: the key-press handler turns it into a click.
void NameEntryKey(FrontEndState& state, uint8_t ch);

}  // namespace vontra
