#pragma once
#include <string>

#include "app/front_end_state.h"

namespace vontra {

// The check text stored beside the table so that a hand-edited table file is noticed.
// The accumulator is as long as the longest name; name and score characters past its end
// are dropped (a table of empty names therefore has an empty check text).
std::string MakeHighScoreCheck(const FrontEndState& state);

// True when the table's check text equals the stored one byte for byte.
bool HighScoreCheckMatches(const FrontEndState& state);

}  // namespace vontra
