// The audio forge: synthesises the game's sound effects into the sound archive and writes the
// two tunes as XM modules. Usage: vontra-forge-audio <folder that receives Data/>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "assets/archive_writer.h"
#include "assets/wave_writer.h"
#include "effects.h"
#include "tunes.h"
#include "xm_writer.h"

namespace {

bool WriteFile(const std::filesystem::path& path, const std::vector<uint8_t>& bytes) {
  std::filesystem::create_directories(path.parent_path());
  const auto temp = path.string() + ".tmp";
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    if (!out) return false;
  }
  std::filesystem::rename(temp, path);
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace vontra;
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTPUT_DIR\n", argv[0]);
    return 2;
  }
  const std::filesystem::path root = argv[1];
  std::vector<SoundEntry> sounds;
  for (const auto& effect : forge::MakeEffects()) {
    SoundEntry entry;
    entry.Name = effect.name;
    entry.Looped = effect.looped;
    entry.MaxPlayingCount = effect.maxPlayingCount;
    entry.Wave = MakeRiffWave16(1, forge::kEffectRate, effect.samples);
    sounds.push_back(std::move(entry));
  }
  bool ok = WriteFile(root / "Data/Res/Sounds.dxw", WriteSoundArchive(sounds));
  ok = ok && WriteFile(root / "Data/Music/Menu.xm", forge::WriteXm(forge::MenuTune()));
  ok = ok && WriteFile(root / "Data/Music/Race.xm", forge::WriteXm(forge::RaceTune()));
  if (!ok) {
    std::fprintf(stderr, "cannot write the audio assets under %s\n", root.c_str());
    return 1;
  }
  return 0;
}
