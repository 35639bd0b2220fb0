// Cost of mixing one sound-card buffer during a busy race: eight effects and the race tune.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "assets/wave_collection.h"
#include "audio/pcm_sound.h"
#include "audio/sound_mixer.h"
#include "audio/sound_voice.h"
#include "platform/headless/headless_audio_device.h"
#include "platform/xmp/xmp_music_player.h"

namespace vontra {
namespace {

// The Data folder the forge wrote beside the benchmark executable.
std::filesystem::path DataFolder() {
  std::error_code error;
  const auto exe = std::filesystem::canonical("/proc/self/exe", error);
  return error ? std::filesystem::path("Data") : exe.parent_path() / "Data";
}

void BM_MixerBuffer(benchmark::State& state) {
  const auto data = DataFolder();
  std::ifstream in(data / "Res/Sounds.dxw", std::ios::binary);
  const std::vector<uint8_t> archive{std::istreambuf_iterator<char>(in),
                                     std::istreambuf_iterator<char>()};
  TWaveCollection sounds;
  HeadlessAudioDevice device;
  XmpMusicPlayer music(device);
  TSoundMixer mixer(device, &music);
  try {
    sounds.LoadFromMemory(archive);
  } catch (const std::exception&) {
    state.SkipWithError("the forged sound archive is missing");
    return;
  }
  const int32_t song = music.SongLoadFromFile((data / "Music/Race.xm").string());
  if (song == 0 || !mixer.Open()) {
    state.SkipWithError("the race tune is missing");
    return;
  }
  music.SongPlay(song);
  // Eight effects at once, all kept running (looped) so every buffer mixes all of them; two
  // at another rate so the resampler works as well.
  const char* names[] = {"Engine",        "Shot",  "ShotR", "Bullet",
                         "WallExplosion", "Water", "Bonus", "Tick"};
  std::vector<std::unique_ptr<TSoundVoice>> voices;
  for (const char* name : names) {
    const auto& item = sounds.Find(name);
    voices.push_back(
        std::make_unique<TSoundVoice>(mixer, DecodePcm(item.Wave.Format, item.Wave.Data)));
    voices.back()->Play(true);
  }
  voices[3]->SetFrequency(30000);
  voices[6]->SetFrequency(52000);
  constexpr int kFrames = 1024;
  for (auto _ : state) {
    auto out = device.Pull(kFrames);
    benchmark::DoNotOptimize(out.data());
  }
  // Share of the buffer's own playing time (1024 frames = 23.2 ms) spent mixing it.
  state.counters["buffer_ms"] = 1000.0 * kFrames / kMixRate;
  state.SetItemsProcessed(int64_t(state.iterations()) * kFrames);
  music.SongFree(song);
}
BENCHMARK(BM_MixerBuffer)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace vontra
