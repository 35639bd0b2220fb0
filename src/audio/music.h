#pragma once
#include <string>

namespace vontra {

class TMForm;

// Background music: one tune at a time, restarted by the watchdog when it has run through.
void PlaySong(TMForm& form, const std::string& fileName);
void StopSong(TMForm& form);
// The race tune while a race is on, else the menu tune.
void PlayScreenMusic(TMForm& form);
// Once per frame, before input: restarts the tune from its start when its order wrapped to 0.
void MusicWatchdog(TMForm& form);
void ToggleMusic(TMForm& form);

}  // namespace vontra
