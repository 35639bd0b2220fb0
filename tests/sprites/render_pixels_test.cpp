// A whole frame through the game's frame operation: pictures read back from an archive, the
// sprite tree moved and drawn in depth order onto the headless display.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "assets/archive_writer.h"
#include "frontend/front_end.h"
#include "sprites/form_fixture.h"
#include "sprites/image_sprite.h"

namespace vontra {
namespace {

constexpr uint32_t kRed = 0x00E02020, kGreen = 0x0020C040, kBlue = 0x002040E0;
// Quadrants of the needle picture: top-left, top-right, bottom-left, bottom-right.
constexpr uint32_t kTL = 0x00F0F000, kTR = 0x0000F0F0, kBL = 0x00F000F0, kBR = 0x00F08000;

uint16_t To565(uint32_t rgb) {
  return Rgb565(rgb >> 16, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

// A square of one colour with a black (keyed) square hole at [hole, size - hole).
PictureEntry Square(const char* name, uint32_t color, int size, int holeFrom, int holeTo) {
  PictureEntry e;
  e.Name = name;
  e.Picture.Width = e.Picture.Height = size;
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      const bool hole = x >= holeFrom && x < holeTo && y >= holeFrom && y < holeTo;
      e.Picture.Pixels.push_back(hole ? 0 : color);
    }
  }
  return e;
}

PictureEntry Needle() {
  PictureEntry e;
  e.Name = "Needle";
  e.Picture.Width = 40;
  e.Picture.Height = 10;
  for (int y = 0; y < 10; ++y) {
    for (int x = 0; x < 40; ++x) {
      e.Picture.Pixels.push_back(y < 5 ? (x < 20 ? kTL : kTR) : (x < 20 ? kBL : kBR));
    }
  }
  return e;
}

// Draws its picture turned about a pivot, as the speed needle does.
class TurnedSprite : public TImageSprite {
 public:
  using TImageSprite::TImageSprite;
  void DrawSelf() override {
    Image->DrawRotated(*Engine()->DrawSurface, static_cast<int>(X), static_cast<int>(Y), drawWidth,
                       drawHeight, 0, pivotX, pivotY, angle);
  }
  int drawWidth = 0, drawHeight = 0;
  double pivotX = 0, pivotY = 0, angle = 0;
};

class RenderedFrame : public FormFixture {
 protected:
  RenderedFrame() {
    const std::vector<uint8_t> archive = WriteImageArchive({
        Square("Red", kRed, 20, 5, 15),
        Square("Green", kGreen, 20, 5, 10),
        Square("Blue", kBlue, 20, 0, 0),
        Needle(),
    });
    form.MDXImageList3->LoadFromMemory(archive);
    form.MDXImageList3->Prepare();
  }
  TImageSprite* Place(const char* name, double x, double y, int z) {
    auto* s = Own(std::make_unique<TImageSprite>(&Root()));
    s->AssignImage(&form.MDXImageList3->Find(name));
    s->X = x;
    s->Y = y;
    s->SetZ(z);
    return s;
  }
  TurnedSprite* Turned(double x, double y, int w, int h, double px, double py, double angle) {
    auto* s = Own(std::make_unique<TurnedSprite>(&Root()));
    s->AssignImage(&form.MDXImageList3->Find("Needle"));
    s->X = x;
    s->Y = y;
    // Its rectangle only decides whether it is drawn: cover the turned picture.
    s->Width = s->Height = 1;
    s->drawWidth = w;
    s->drawHeight = h;
    s->pivotX = px;
    s->pivotY = py;
    s->angle = angle;
    return s;
  }
  uint16_t At(int x, int y) { return headless.display->Frame().At(x, y); }
  template <typename T>
  T* Own(std::unique_ptr<T> sprite) {
    T* raw = sprite.get();
    owned.push_back(std::move(sprite));
    return raw;
  }
  std::vector<std::unique_ptr<TSprite>> owned;
};

TEST_F(RenderedFrame, SpritesLayerByDepthAndShowWhatIsUnderTheirKeyedPixels) {
  // Red and Green share depth 5: Red, there longer, is on top. Blue lies below both.
  Place("Red", 100, 100, 5);
  Place("Blue", 110, 110, 3);
  Place("Green", 105.4, 104.6, 5);  // rounds to (105, 105)
  Frame().Fill(0xFFFF);
  RenderScene(form, 10, true);
  struct Probe {
    int x, y;
    uint32_t want;  // 0: the black the frame was cleared to
  };
  const Probe probes[] = {
      {103, 103, kRed},    // Red alone
      {118, 118, kRed},    // Red over Green and Blue
      {107, 107, kGreen},  // through Red's hole onto Green
      {112, 112, kBlue},   // through both holes onto Blue
      {106, 112, kGreen},  // Red's hole, Green solid there, Blue not under it
      {122, 122, kGreen},  // Green over Blue
      {127, 127, kBlue},   // Blue alone
      {99, 99, 0},         // cleared to black
      {130, 130, 0},
  };
  for (const Probe& p : probes) {
    EXPECT_EQ(At(p.x, p.y), To565(p.want)) << p.x << "," << p.y;
  }
  EXPECT_EQ(Root().DrawnCount, 3);
}

TEST_F(RenderedFrame, ATurnedPictureGoesClockwiseAboutItsPivot) {
  // A quarter turn clockwise about the picture's centre, put at (400, 300): the picture's
  // right end points down the screen and its top edge faces right.
  Turned(400, 300, 40, 10, 0.5, 0.5, 64);
  // The same turn, twice the size, about the top-left corner put at (600, 100).
  Turned(600, 100, 80, 20, 0, 0, 64);
  RenderScene(form, 10, true);
  struct Probe {
    int x, y;
    uint32_t want;
  };
  const Probe probes[] = {
      {402, 290, kTL},
      {402, 310, kTR},
      {397, 290, kBL},
      {397, 310, kBR},
      {406, 300, 0},
      {393, 300, 0},
      {400, 278, 0},
      {400, 321, 0},
      // Scaled: x runs from 580 to 600 (the old top edge at the right), y from 100 to 180.
      {598, 102, kTL},
      {598, 178, kTR},
      {582, 102, kBL},
      {582, 178, kBR},
      {601, 140, 0},
      {578, 140, 0},
      {590, 98, 0},
      {590, 182, 0},
  };
  for (const Probe& p : probes) {
    EXPECT_EQ(At(p.x, p.y), To565(p.want)) << p.x << "," << p.y;
  }
}

}  // namespace
}  // namespace vontra
