// Archive loading and name lookup: the game loads three archives at start-up and looks images
// up by name while screens open.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "app/archive_preload.h"
#include "assets/archive_writer.h"
#include "assets/picture_collection.h"
#include "assets/wave_collection.h"
#include "platform/posix/posix_files.h"

namespace {

using namespace vontra;

// 120 pictures of assorted sizes, about 4 MB of archive in all.
std::vector<PictureEntry> BenchPictures() {
  std::vector<PictureEntry> entries;
  for (int i = 0; i < 120; ++i) {
    const int w = 60 + (i * 37) % 100, h = 70 + (i * 53) % 90;
    PictureEntry e;
    e.Name = "Picture_" + std::to_string(i);
    e.Picture.Width = w;
    e.Picture.Height = h;
    for (int p = 0; p < w * h; ++p)
      e.Picture.Pixels.push_back(static_cast<uint32_t>(p * 2654435761u) & 0xFFFFFF);
    e.PatternWidth = w / 4;
    entries.push_back(std::move(e));
  }
  return entries;
}

void BM_ArchiveLoad(benchmark::State& state) {
  const std::vector<uint8_t> archive = WriteImageArchive(BenchPictures());
  for (auto _ : state) {
    TPictureCollection list;
    list.LoadFromMemory(archive);
    list.Prepare();
    benchmark::DoNotOptimize(list.Items(119).PreparedPixels().data());
  }
  state.counters["archive_MB"] = static_cast<double>(archive.size()) / (1 << 20);
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                          static_cast<int64_t>(archive.size()));
}
BENCHMARK(BM_ArchiveLoad)->Unit(benchmark::kMillisecond);

// The start-up's share of the archives: the game's three built archives read and decoded as the
// program does it, then prepared for the display.
void BM_GameArchives(benchmark::State& state) {
  PosixFiles files(VONTRA_TEST_DATA_DIR "/..");
  for (auto _ : state) {
    GameArchives archives = LoadGameArchives(files);
    archives.Menu->Prepare();
    archives.Race->Prepare();
    benchmark::DoNotOptimize(archives.Menu->Items(0).PreparedPixels().data());
  }
}
BENCHMARK(BM_GameArchives)->Unit(benchmark::kMillisecond);

void BM_ImageFind(benchmark::State& state) {
  TPictureCollection list;
  list.LoadFromMemory(WriteImageArchive(BenchPictures()));
  // Looked up in other letter case, as the game's code spells some names.
  std::vector<std::string> names;
  for (int i = 0; i < 120; i += 7) names.push_back("PICTURE_" + std::to_string(i));
  size_t k = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(&list.Find(names[k]));
    if (++k == names.size()) k = 0;
  }
}
BENCHMARK(BM_ImageFind);

void BM_DrawFrame(benchmark::State& state) {
  TPictureCollection list;
  list.LoadFromMemory(WriteImageArchive({{"Car", BenchPictures()[5].Picture, 31, 60}}));
  list.Prepare();
  const auto& car = list.Find("Car");
  Surface surface(800, 600);
  int x = 0;
  for (auto _ : state) {
    car.Draw(surface, x, 300, 1);
    x = (x + 13) % 780;
  }
  benchmark::DoNotOptimize(surface.Pixels());
}
BENCHMARK(BM_DrawFrame);

void BM_DrawRotated(benchmark::State& state) {
  TPictureCollection list;
  list.LoadFromMemory(WriteImageArchive({{"Needle", BenchPictures()[5].Picture, 31, 60}}));
  list.Prepare();
  const auto& needle = list.Find("Needle");
  Surface surface(800, 600);
  int angle = 0;
  for (auto _ : state) {
    needle.DrawRotated(surface, 400, 300, 31, 60, 0, 0.5, 0.8, angle);
    angle = (angle + 3) & 255;
  }
  benchmark::DoNotOptimize(surface.Pixels());
}
BENCHMARK(BM_DrawRotated);

}  // namespace
