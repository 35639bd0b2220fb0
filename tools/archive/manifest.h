#pragma once
// The pack manifest: which PNG strips and WAV files go into an archive, under which names and
// with which frame settings (format in README.md).
#include <cstdint>
#include <string>
#include <vector>

namespace vontra::archive_tool {

struct ManifestPicture {
  std::string name, file;
  int frameWidth = 0, frameHeight = 0, skipWidth = 0, skipHeight = 0;
  bool transparent = true;
  uint32_t transparentColor = 0;  // 0x00BBGGRR
  bool systemMemory = false;
};

struct ManifestSound {
  std::string name, file;
  bool looped = false;
  int maxPlayingCount = 0;
};

struct Manifest {
  bool sounds = false;  // "images" or "sounds"
  std::vector<ManifestPicture> pictures;
  std::vector<ManifestSound> soundItems;
};

// Throws std::runtime_error("line N: ...") on a malformed line.
Manifest ParseManifest(const std::string& text);
std::string FormatManifestPicture(const ManifestPicture& p);
std::string FormatManifestSound(const ManifestSound& s);

}  // namespace vontra::archive_tool
