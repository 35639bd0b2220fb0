// The cost of one race frame's sprite passes against the cost of the pixels alone: the road
// and 80 car-sized sprites moved and drawn through the engine, and the same fills and keyed
// copies written by hand.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "app/mform.h"
#include "assets/picture_collection.h"
#include "frontend/front_end.h"
#include "platform/headless/headless_platform.h"
#include "road/scroll_background.h"
#include "sprites/image_sprite.h"
#include "sprites/sprite_engine.h"

namespace {

using namespace vontra;

constexpr int kRoadWidth = 540;
constexpr int kRoadHeight = 800;
constexpr double kRoadX = 124;
constexpr double kRoadY = 300;  // two copies share the screen
constexpr int kSpriteWidth = 40;
constexpr int kSpriteHeight = 80;
constexpr int kSprites = 80;
constexpr int kFrames = 4;

int SpriteX(int i) {
  return 20 + (i % 10) * 76;
}
int SpriteY(int i) {
  return 10 + (i / 10) * 70;
}

// Opaque road texture; the sprite frames have keyed (black) corners, as the cars do.
TPictureCollectionItem& AddPicture(TPictureCollection& list, const char* name, int width,
                                   int height, int frames, bool keyedCorners) {
  TPictureCollectionItem& item = list.Add();
  item.SetName(name);
  item.Picture.Width = width * frames;
  item.Picture.Height = height;
  item.Picture.Pixels.resize(static_cast<size_t>(width) * frames * height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width * frames; ++x) {
      const int fx = x % width;
      const bool corner = keyedCorners && (fx < 6 || fx >= width - 6) && (y < 8 || y >= height - 8);
      const uint32_t texture =
          0x00404040u + static_cast<uint32_t>((x * 7 + y * 13) % 64) * 0x010101u;
      item.Picture.Pixels[static_cast<size_t>(y) * item.Picture.Width + x] = corner ? 0u : texture;
    }
  }
  item.PatternWidth = width;
  item.PatternHeight = height;
  item.Prepare();
  return item;
}

struct RaceScene {
  HeadlessPlatform headless = MakeHeadlessPlatform();
  TMForm form{headless.platform};
  TPictureCollectionItem* road = nullptr;
  TPictureCollectionItem* car = nullptr;
  std::vector<std::unique_ptr<TImageSprite>> sprites;

  RaceScene() {
    form.MDXImageList = std::make_unique<TPictureCollection>();
    form.MDXImageList3 = std::make_unique<TPictureCollection>();
    road = &AddPicture(*form.MDXImageList3, "Land", kRoadWidth, kRoadHeight, 1, false);
    car = &AddPicture(*form.MDXImageList3, "Car", kSpriteWidth, kSpriteHeight, kFrames, true);
    headless.display->Initialize();
    form.ScreenState = ScreenStates::kRace;
    form.Background = std::make_unique<TScrollBackground>(form, "Land");
    form.Background->X = kRoadX;
    form.Background->Y = kRoadY;
    for (int i = 0; i < kSprites; ++i) {
      TImageSprite* s =
          sprites.emplace_back(std::make_unique<TImageSprite>(&form.MDXSpriteEngine->Root())).get();
      s->AssignImage(car);
      s->FrameCount = kFrames;
      s->LoopFrames = true;
      s->FrameSpeed = 0.01;
      s->X = SpriteX(i);
      s->Y = SpriteY(i);
      s->SetZ(2 + i % 3);
    }
  }
};

void BM_SpritePasses(benchmark::State& state) {
  RaceScene scene;
  for (auto _ : state) {
    RenderScene(scene.form, 12, true);
    benchmark::DoNotOptimize(scene.headless.display->DrawSurface().Pixels());
    benchmark::ClobberMemory();
  }
  state.counters["drawn"] = scene.form.MDXSpriteEngine->Root().DrawnCount;
}
BENCHMARK(BM_SpritePasses);

// The same pixels by hand: black fill, the road's visible rows, and each sprite's frame copied
// with the colour key.
void KeyedCopy(const uint16_t* src, int srcStride, uint16_t* dst, int dstStride, int width,
               int height, uint16_t key) {
  for (int y = 0; y < height; ++y, src += srcStride, dst += dstStride) {
    for (int x = 0; x < width; ++x) {
      if (src[x] != key) dst[x] = src[x];
    }
  }
}

void BM_SpritePassesFloor(benchmark::State& state) {
  RaceScene scene;
  Surface frame(800, 600);
  const std::vector<uint16_t>& road = scene.road->PreparedPixels();
  const std::vector<uint16_t>& car = scene.car->PreparedPixels();
  const int carStride = kSpriteWidth * kFrames;
  const int roadX = static_cast<int>(kRoadX);
  const int roadY = static_cast<int>(kRoadY);
  int tick = 0;
  for (auto _ : state) {
    frame.Fill(0);
    // Rows 0..roadY come from the bottom of the copy above, the rest from the top of the next.
    KeyedCopy(road.data() + static_cast<size_t>(kRoadHeight - roadY) * kRoadWidth, kRoadWidth,
              frame.Row(0) + roadX, 800, kRoadWidth, roadY, 0);
    KeyedCopy(road.data(), kRoadWidth, frame.Row(roadY) + roadX, 800, kRoadWidth, 600 - roadY, 0);
    const int f = (++tick / 8) % kFrames;
    for (int i = 0; i < kSprites; ++i) {
      KeyedCopy(car.data() + f * kSpriteWidth, carStride, frame.Row(SpriteY(i)) + SpriteX(i), 800,
                kSpriteWidth, kSpriteHeight, 0);
    }
    benchmark::DoNotOptimize(frame.Pixels());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_SpritePassesFloor);

}  // namespace
