// The built image archives, read back with the game's own reader: every picture the game asks
// for is there, in the right list, with the frames its timing needs and the sizes the screen
// layout relies on, and every pixel survives the colour key.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "../../tools/forge/pictures/picture_catalogue.h"
#include "assets/asset_error.h"
#include "assets/picture_collection.h"
#include "platform/surface.h"

namespace vontra {
namespace {

using forge::Archive;

std::unique_ptr<TPictureCollection> LoadArchive(const char* file) {
  const std::string path = std::string(VONTRA_BINARY_DIR) + "/Data/Res/" + file;
  std::ifstream in(path, std::ios::binary);
  std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                             std::istreambuf_iterator<char>());
  auto list = std::make_unique<TPictureCollection>();
  if (bytes.empty()) {
    ADD_FAILURE() << "archive not built: " << path;
    return list;
  }
  list->LoadFromMemory(bytes);
  return list;
}

class PictureArchives : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    menu_ = LoadArchive("Res1.dxg").release();
    race_ = LoadArchive("Res3.dxg").release();
  }
  static void TearDownTestSuite() {
    delete menu_;
    delete race_;
  }
  static const TPictureCollection& List(Archive a) { return a == Archive::Menu ? *menu_ : *race_; }
  static TPictureCollectionItem& Race(const char* name) { return race_->Find(name); }
  static TPictureCollectionItem& Menu(const char* name) { return menu_->Find(name); }

  static TPictureCollection* menu_;
  static TPictureCollection* race_;
};
TPictureCollection* PictureArchives::menu_ = nullptr;
TPictureCollection* PictureArchives::race_ = nullptr;

uint32_t Pixel(const TPictureCollectionItem& item, int frame, int x, int y) {
  const TRect r = item.PatternRect(frame);
  return item.Picture.At(r.Left + x, r.Top + y);
}

bool Opaque(uint32_t p) {
  return Rgb565((p >> 16) & 255, (p >> 8) & 255, p & 255) != 0;
}

int OpaqueCount(const TPictureCollectionItem& item, int frame) {
  int n = 0;
  for (int y = 0; y < item.Height(); ++y) {
    for (int x = 0; x < item.Width(); ++x) n += Opaque(Pixel(item, frame, x, y));
  }
  return n;
}

bool SameFrames(const TPictureCollectionItem& item, int a, int b) {
  for (int y = 0; y < item.Height(); ++y) {
    for (int x = 0; x < item.Width(); ++x) {
      if (Pixel(item, a, x, y) != Pixel(item, b, x, y)) return false;
    }
  }
  return true;
}

TEST_F(PictureArchives, HoldEveryPictureInItsListAtItsSize) {
  for (const forge::PictureSpec& spec : forge::kPictures) {
    SCOPED_TRACE(std::string(spec.name));
    const TPictureCollection& list = List(spec.archive);
    TPictureCollectionItem* item = nullptr;
    ASSERT_NO_THROW(item = &list.Find(spec.name));
    EXPECT_EQ(item->Width(), spec.width);
    EXPECT_EQ(item->Height(), spec.height);
    EXPECT_EQ(item->PatternCount(), spec.frames);
    EXPECT_TRUE(item->Transparent);
    EXPECT_EQ(item->TransparentColor, 0u);
  }
  // Each list holds only its own pictures, and both carry the message frame and the cursor.
  int menu = 0, race = 0;
  for (const forge::PictureSpec& spec : forge::kPictures)
    (spec.archive == Archive::Menu ? menu : race)++;
  EXPECT_EQ(menu_->Count(), menu);
  EXPECT_EQ(race_->Count(), race);
  EXPECT_THROW(menu_->Find("Land"), AssetError);
  EXPECT_THROW(race_->Find("MMBackground"), AssetError);
  for (const char* shared : {"Window", "Cursor"}) {
    EXPECT_NO_THROW(Menu(shared));
    EXPECT_NO_THROW(Race(shared));
  }
}

// Names the screens, the road and the car ask for, checked against the archives directly so a
// name dropped from the forge's list is caught too.
TEST_F(PictureArchives, HoldTheNamesTheGameAsksFor) {
  std::vector<std::string> race = {"Land",
                                   "LeftPanel",
                                   "RightPanel",
                                   "SmallCar",
                                   "Pointer",
                                   "PanelLife",
                                   "PanelLife2",
                                   "PanelLife3",
                                   "PanelLife4",
                                   "Null",
                                   "EnergyBar",
                                   "EnergyBarSmall",
                                   "EngineFire",
                                   "GunFire",
                                   "PanelGun",
                                   "PanelGun2",
                                   "PanelRocket",
                                   "PanelRocket2",
                                   "PanelMegaBomb",
                                   "PanelEngine",
                                   "PanelShield",
                                   "ExplosionMicro",
                                   "ExplosionBig",
                                   "ExplosionSmall",
                                   "BombExplosion",
                                   "CarEngineRed",
                                   "CarEngineBlue",
                                   "CarEngineYellow",
                                   "MG_Top",
                                   "MG_Left",
                                   "MG_Right",
                                   "R_Top",
                                   "R_Left",
                                   "R_Right",
                                   "MG_Top_I",
                                   "MG_Left_I",
                                   "MG_Right_I",
                                   "R_Top_I",
                                   "R_Left_I",
                                   "R_Right_I",
                                   "BulletMGMy",
                                   "BulletMGMonster",
                                   "BulletG",
                                   "Rocket",
                                   "BulletExplosion",
                                   "RocketExplosion",
                                   "Gun",
                                   "Engine",
                                   "Shield",
                                   "Energy",
                                   "Gun2",
                                   "Rockets",
                                   "Rockets2",
                                   "MegaBomb",
                                   "Crack",
                                   "WaterSmall",
                                   "StonesSmall",
                                   "SpikesBig",
                                   "SpikesSmall",
                                   "WallSmall",
                                   "FenseLeft",
                                   "FenseRight",
                                   "SignLeftBlue",
                                   "SignLeftRed",
                                   "SignRightBlue",
                                   "SignRightRed",
                                   "BushLeft",
                                   "BushRight",
                                   "CarLeft",
                                   "CarRight",
                                   "FinishLine",
                                   "Window",
                                   "Cursor"};
  for (int n = 1; n <= 20; ++n) race.push_back("Car" + std::to_string(n));
  for (int n = 5; n <= 20; ++n) race.push_back("Car" + std::to_string(n) + "_Inv");
  std::vector<std::string> menu = {
      "MMBackground", "NullCaption", "UpPanel",     "DownPanel",   "StartC",     "OptionsC",
      "HSC",          "HelpC",       "VisitWWWC",   "ExitC",       "HB",         "OptB",
      "HSB",          "SgB",         "Previous",    "Next",        "ClearHS",    "ViewHS",
      "AttackICO",    "Options1_1",  "Options1_2",  "Options2_1",  "Options2_2", "Options3_1",
      "Options3_2",   "Options4",    "OptButton_A", "OptButton_I", "YesButton",  "NoButton",
      "Window",       "Cursor"};
  for (int n = 1; n <= 6; ++n) {
    menu.push_back("MM_" + std::to_string(n) + "_A");
    menu.push_back("MM_" + std::to_string(n) + "_I");
  }
  for (int n = 1; n <= 4; ++n) {
    menu.push_back("MenuCar" + std::to_string(n) + "_A");
    menu.push_back("MenuCar" + std::to_string(n) + "_I");
  }
  // The help page shows bonus pictures from the race list; lookups ignore letter case.
  for (const std::string& n : race) EXPECT_NO_THROW(race_->Find(n)) << n;
  for (const std::string& n : menu) EXPECT_NO_THROW(menu_->Find(n)) << n;
  EXPECT_EQ(&race_->Find("mg_top"), &race_->Find("MG_Top"));
}

TEST_F(PictureArchives, FrameCountsFitTheirTiming) {
  struct Need {
    const char* name;
    bool menu;
    int min_frames, max_frames;
  };
  const Need needs[] = {// Hit flashes: the projectile pool draws frames 0 to 16.
                        {"BulletExplosion", false, 17, 17},
                        {"RocketExplosion", false, 17, 17},
                        // Bonuses animate at about four frames a second.
                        {"Gun", false, 8, 8},
                        {"Engine", false, 8, 8},
                        {"Shield", false, 8, 8},
                        {"Energy", false, 8, 8},
                        {"Gun2", false, 8, 8},
                        {"Rockets", false, 8, 8},
                        {"Rockets2", false, 8, 8},
                        {"MegaBomb", false, 8, 8},
                        {"ExplosionSmall", false, 12, 16},
                        {"ExplosionBig", false, 12, 16},
                        {"BombExplosion", false, 12, 16},
                        {"ExplosionMicro", false, 4, 4},
                        {"EngineFire", false, 4, 6},
                        {"GunFire", false, 3, 4},
                        // The main menu shows frame 0 to 4 depending on the button.
                        {"MM_1_A", true, 5, 5},
                        {"MM_3_I", true, 5, 5},
                        {"MM_6_A", true, 5, 5},
                        // Two-state buttons: frame 0 unlit, frame 1 lit.
                        {"Previous", true, 2, 2},
                        {"Next", true, 2, 2},
                        {"ClearHS", true, 2, 2},
                        {"ViewHS", true, 2, 2},
                        {"YesButton", true, 2, 2},
                        {"NoButton", true, 2, 2},
                        // Pictures shown as one still frame.
                        {"Land", false, 1, 1},
                        {"Car1", false, 1, 1},
                        {"Pointer", false, 1, 1},
                        {"MMBackground", true, 1, 1},
                        {"OptButton_A", true, 1, 1}};
  for (const Need& n : needs) {
    SCOPED_TRACE(n.name);
    const TPictureCollectionItem& item = n.menu ? Menu(n.name) : Race(n.name);
    EXPECT_GE(item.PatternCount(), n.min_frames);
    EXPECT_LE(item.PatternCount(), n.max_frames);
    // Frames side by side in one row.
    EXPECT_EQ(item.Picture.Height, item.Height());
  }
}

TEST_F(PictureArchives, AnimationsChangeFromFrameToFrame) {
  for (int list = 0; list < 2; ++list) {
    const TPictureCollection& l = list ? *race_ : *menu_;
    for (int i = 0; i < l.Count(); ++i) {
      const TPictureCollectionItem& item = l.Items(i);
      const int n = item.PatternCount();
      if (n < 2) continue;
      SCOPED_TRACE(item.Name());
      if (item.Name().rfind("MM_", 0) == 0) {
        // Every frame of a main-menu button is the same picture.
        for (int f = 1; f < n; ++f) EXPECT_TRUE(SameFrames(item, 0, f));
      } else {
        for (int f = 1; f < n; ++f) EXPECT_FALSE(SameFrames(item, f - 1, f)) << "frame " << f;
      }
    }
  }
}

TEST_F(PictureArchives, NoOpaquePixelTurnsIntoTheColourKey) {
  // A colour whose RGB565 form is black would be punched out when drawn; transparent pixels
  // must be the key itself.
  for (int list = 0; list < 2; ++list) {
    const TPictureCollection& l = list ? *race_ : *menu_;
    for (int i = 0; i < l.Count(); ++i) {
      const TPictureCollectionItem& item = l.Items(i);
      int bad = 0;
      for (uint32_t p : item.Picture.Pixels) bad += (p != 0 && !Opaque(p));
      EXPECT_EQ(bad, 0) << item.Name();
    }
  }
  // Full-screen pictures have no holes at all.
  for (const auto* item :
       {&Race("Land"), &Race("LeftPanel"), &Race("RightPanel"), &Menu("MMBackground")}) {
    EXPECT_EQ(OpaqueCount(*item, 0), item->Width() * item->Height()) << item->Name();
  }
}

TEST_F(PictureArchives, EmptyPicturesAreFullyTransparentAndTheRestAreDrawn) {
  const std::vector<std::pair<bool, std::string>> empty = {
      {false, "Null"}, {true, "NullCaption"}, {true, "OptButton_I"}};
  for (const auto& [menu, name] : empty) {
    const TPictureCollectionItem& item = menu ? Menu(name.c_str()) : Race(name.c_str());
    for (uint32_t p : item.Picture.Pixels) ASSERT_EQ(p, 0u) << name;
  }
  for (int list = 0; list < 2; ++list) {
    const TPictureCollection& l = list ? *race_ : *menu_;
    for (int i = 0; i < l.Count(); ++i) {
      const TPictureCollectionItem& item = l.Items(i);
      bool is_empty = false;
      for (const auto& e : empty) is_empty |= (e.second == item.Name() && e.first == (list == 0));
      if (is_empty) continue;
      // Every frame of every other picture shows something (an explosion's last wisps count).
      for (int f = 0; f < item.PatternCount(); ++f) {
        EXPECT_GT(OpaqueCount(item, f), 0) << item.Name() << " frame " << f;
      }
    }
  }
}

TEST_F(PictureArchives, RoadsideAndTrafficFitTheirPlaces) {
  // Verge objects are placed at 125 + random(37 - width) or 620 + random(42 - width).
  struct Limit {
    const char* name;
    int max_width;
  };
  const Limit limits[] = {{"FenseLeft", 36},   {"FenseRight", 36},    {"SignLeftBlue", 36},
                          {"SignLeftRed", 36}, {"SignRightBlue", 41}, {"SignRightRed", 41},
                          {"BushLeft", 38},    {"BushRight", 42},     {"CarLeft", 40},
                          {"CarRight", 40}};
  for (const Limit& l : limits) EXPECT_LE(Race(l.name).Width(), l.max_width) << l.name;
  for (int n = 5; n <= 20; ++n) {
    const std::string up = "Car" + std::to_string(n), down = up + "_Inv";
    SCOPED_TRACE(up);
    const TPictureCollectionItem& a = race_->Find(up);
    const TPictureCollectionItem& b = race_->Find(down);
    EXPECT_LE(a.Width(), 58);  // wider does not fit a lane
    EXPECT_GE(a.Width(), 36);
    EXPECT_GE(a.Height(), 60);
    EXPECT_LE(a.Height(), 110);
    EXPECT_EQ(a.Width(), b.Width());
    EXPECT_EQ(a.Height(), b.Height());
    EXPECT_NE(a.Picture.Pixels, b.Picture.Pixels) << "the oncoming picture is the same";
  }
  // The finish line spans the carriageway from x 167 to 620.
  EXPECT_EQ(Race("FinishLine").Width(), 453);
}

TEST_F(PictureArchives, RoadIsTallEnoughAndJoinsSeamlessly) {
  const TPictureCollectionItem& land = Race("Land");
  EXPECT_EQ(land.Width(), 540);
  EXPECT_GE(land.Height(), 300);  // three copies must cover the 600-pixel screen
  // The step from the bottom row to the top row is no rougher than the steps between
  // neighbouring rows elsewhere. Rows are compared in 10-pixel bands (averaging out the fine
  // grain) and by the median band, so a single kerb block edge does not dominate.
  auto band_mean = [&](int y, int band, int shift) {
    double sum = 0;
    for (int x = band * 10; x < band * 10 + 10; ++x) sum += (Pixel(land, 0, x, y) >> shift) & 255;
    return sum / 10;
  };
  auto row_step = [&](int a, int b) {
    std::vector<double> steps;
    for (int band = 0; band < land.Width() / 10; ++band) {
      double d = 0;
      for (int shift : {0, 8, 16})
        d += std::abs(band_mean(a, band, shift) - band_mean(b, band, shift));
      steps.push_back(d);
    }
    std::nth_element(steps.begin(), steps.begin() + steps.size() / 2, steps.end());
    return steps[steps.size() / 2];
  };
  std::vector<double> inner;
  for (int y = 1; y < land.Height(); ++y) inner.push_back(row_step(y - 1, y));
  std::sort(inner.begin(), inner.end());
  const double p95 = inner[inner.size() * 95 / 100];
  EXPECT_LE(row_step(land.Height() - 1, 0), p95);
  // The lane dashes are at picture x 156, 269 and 382: light paint somewhere down each line.
  for (int x : {156, 269, 382}) {
    int light = 0;
    for (int y = 0; y < land.Height(); ++y) light += (Pixel(land, 0, x, y) & 0xFF) > 200;
    EXPECT_GT(light, land.Height() / 4) << "lane line at " << x;
    EXPECT_LT(light, land.Height() * 3 / 4) << "lane line at " << x << " is not dashed";
  }
}

double Luma(uint32_t p) {
  return 0.3 * ((p >> 16) & 255) + 0.59 * ((p >> 8) & 255) + 0.11 * (p & 255);
}

// The race writes its numbers and lights at fixed screen points; the panels must have their
// windows exactly there.
TEST_F(PictureArchives, InstrumentWindowsSitWhereTheGameWrites) {
  enum Kind { DarkLcd, LightLcd, DarkBay, DialFace, Bezel };
  struct Spot {
    const char* panel;
    int screen_x, screen_y;
    Kind kind;
  };
  const int right = 800 - Race("RightPanel").Width() - 1;
  const Spot spots[] = {
      {"LeftPanel", 65, 94, DarkLcd},   // level
      {"LeftPanel", 40, 183, DarkLcd},  // score, left part
      {"LeftPanel", 90, 183, DarkLcd},  // score, right part
      {"LeftPanel", 47, 274, DarkLcd},  // clock, first digit
      {"LeftPanel", 83, 274, DarkLcd},  // clock, last digit
      {"LeftPanel", 38, 363, DarkBay},  // lives bay
      {"LeftPanel", 90, 389, DarkBay},
      {"RightPanel", 738, 324, LightLcd},  // ammunition: dark digits on a light window
      {"RightPanel", 768, 338, LightLcd},
      {"RightPanel", 690, 342, DarkBay},  // weapon bays
      {"RightPanel", 784, 356, DarkBay},
      {"RightPanel", 692, 418, DarkBay},  // turbo bay
      {"RightPanel", 784, 442, DarkBay},  // shield bay
      {"RightPanel", 718, 524, DialFace},
      {"RightPanel", 690, 560, DialFace},
      {"RightPanel", 718, 544 - 48, Bezel},
      {"RightPanel", 718 + 48, 544, Bezel},
  };
  for (const Spot& s : spots) {
    const TPictureCollectionItem& panel = Race(s.panel);
    const int x = s.screen_x - (std::string(s.panel) == "RightPanel" ? right : 0);
    const uint32_t p = Pixel(panel, 0, x, s.screen_y);
    const int r = (p >> 16) & 255, g = (p >> 8) & 255, b = p & 255;
    SCOPED_TRACE(std::string(s.panel) + " at " + std::to_string(s.screen_x) + "," +
                 std::to_string(s.screen_y));
    switch (s.kind) {
      case DarkLcd:
        EXPECT_LT(Luma(p), 70);
        EXPECT_GT(g, r);
        EXPECT_GT(g, b);
        break;
      case LightLcd:
        EXPECT_GT(Luma(p), 120);
        break;
      case DarkBay:
        EXPECT_LT(Luma(p), 60);
        break;
      case DialFace:
        EXPECT_LT(Luma(p), 80);
        break;
      case Bezel:
        EXPECT_GT(Luma(p), 110);
        break;
    }
  }
  // Every cell of the energy gauge is a coloured light on the bar, where the car covers lost
  // energy with the dark cell picture.
  const TPictureCollectionItem& bar = Race("EnergyBar");
  for (int i = 1; i <= 42; ++i) {
    const uint32_t p = Pixel(bar, 0, 605 - 10 * i + 4 - 167, 590 + 3 - 576);
    const int r = (p >> 16) & 255, g = (p >> 8) & 255, b = p & 255;
    EXPECT_GT(std::max(r, g) - b, 80) << "cell " << i;
  }
  const TPictureCollectionItem& cell = Race("EnergyBarSmall");
  EXPECT_EQ(cell.Width(), 9);
  EXPECT_EQ(cell.Height(), 7);
  EXPECT_EQ(OpaqueCount(cell, 0), 9 * 7);
  EXPECT_LT(Luma(Pixel(cell, 0, 4, 3)), 50);
}

TEST_F(PictureArchives, NeedlePointsFromItsPivotToTheLowerLeft) {
  const TPictureCollectionItem& needle = Race("Pointer");
  const double px = needle.Width() * 9.0 / 11, py = needle.Height() * 5.0 / 38;
  EXPECT_TRUE(Opaque(Pixel(needle, 0, static_cast<int>(px), static_cast<int>(py))));
  // The farthest opaque pixel from the pivot is the tip: down and to the left, near the
  // picture's lower left corner.
  double best = 0, tx = 0, ty = 0;
  for (int y = 0; y < needle.Height(); ++y) {
    for (int x = 0; x < needle.Width(); ++x) {
      if (!Opaque(Pixel(needle, 0, x, y))) continue;
      double d = std::hypot(x - px, y - py);
      if (d > best) best = d, tx = x, ty = y;
    }
  }
  EXPECT_LT(tx, px - 25);
  EXPECT_GT(ty, py + 20);
  EXPECT_GT(best, 38);  // reaches close to the dial's 45-pixel radius
  // Nothing of the needle reaches into the right half below the pivot.
  for (int y = static_cast<int>(py) + 6; y < needle.Height(); ++y) {
    for (int x = static_cast<int>(px) + 2; x < needle.Width(); ++x) {
      EXPECT_FALSE(Opaque(Pixel(needle, 0, x, y))) << x << "," << y;
    }
  }
}

}  // namespace
}  // namespace vontra
