#pragma once
// Writes image and sound archives in exactly the form the collections read.
#include <cstdint>
#include <string>
#include <vector>

#include "assets/picture.h"

namespace vontra {

struct PictureEntry {
  std::string Name;
  TPicture Picture;  // stored as a 24-bit bitmap ("TDIB"), so no colour is lost
  int32_t PatternWidth = 0;
  int32_t PatternHeight = 0;
  int32_t SkipWidth = 0;   // omitted when 0
  int32_t SkipHeight = 0;  // omitted when 0
  bool SystemMemory = false;
  bool Transparent = true;
  uint32_t TransparentColor = 0;  // 0x00BBGGRR
};

struct SoundEntry {
  std::string Name;
  bool Looped = false;
  int32_t MaxPlayingCount = 0;
  std::vector<uint8_t> Wave;  // a complete RIFF wave image (see MakeRiffWave)
};

// componentName goes into the stream and, upper-cased, into the resource header.
std::vector<uint8_t> WriteImageArchive(const std::vector<PictureEntry>& pictures,
                                       const std::string& componentName = "ImageList");
std::vector<uint8_t> WriteSoundArchive(const std::vector<SoundEntry>& sounds,
                                       const std::string& componentName = "WaveList");

}  // namespace vontra
