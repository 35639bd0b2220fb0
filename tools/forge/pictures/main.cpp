// Draws every picture of the game and writes the two image archives, the contact sheets and
// the review mock-ups into the given Data folder: pictures <Data dir>.

#include <chrono>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <string>

#include "archive_output.h"
#include "picture_set.h"
#include "review.h"

int main(int argc, char** argv) {
  using namespace vontra::forge;
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s <Data dir>\n", argv[0]);
    return 2;
  }
  const auto start = std::chrono::steady_clock::now();
  try {
    const std::filesystem::path data = argv[1];
    std::filesystem::create_directories(data / "Res");
    PictureSet set;
    DrawCars(set);
    DrawRoad(set);
    DrawEffects(set);
    DrawBonuses(set);
    DrawInstruments(set);
    DrawMenus(set);
    for (const auto& p : set.all()) p->Finish();
    WriteContactSheet(set, Archive::Race, (data / "contact-sheet-race.png").string());
    WriteContactSheet(set, Archive::Menu, (data / "contact-sheet-menu.png").string());
    auto missing = set.Missing();
    if (!missing.empty()) {
      for (auto name : missing) {
        std::fprintf(stderr, "not drawn: %.*s\n", static_cast<int>(name.size()), name.data());
      }
      return 1;
    }
    WriteRaceMockup(set, (data / "mockup-race.png").string());
    WriteMenuMockup(set, (data / "mockup-menu.png").string());
    WriteArchive(set, Archive::Menu, (data / "Res" / "Res1.dxg").string());
    WriteArchive(set, Archive::Race, (data / "Res" / "Res3.dxg").string());
  } catch (const std::exception& e) {
    std::fprintf(stderr, "pictures: %s\n", e.what());
    return 1;
  }
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::printf("pictures: drew and wrote every picture in %.2f s\n", seconds);
  return 0;
}
