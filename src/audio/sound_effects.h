#pragma once
#include <string_view>

namespace vontra {

class TMForm;

// Starts the named effect of the sound list from its beginning, stopping what of it still
// plays first, so an effect never layers over itself. Does nothing while effects are off.
// An unknown name raises the sound list's "Wave '%s' not found".
void PlaySound(TMForm& form, std::string_view name);
// Stops every playing copy of the named effect. Does nothing while effects are off.
void StopSound(TMForm& form, std::string_view name);

}  // namespace vontra
