// Draws the desktop icon at every size of the hicolor theme: icons <dir> writes <dir>/NxN.png.

#include <cstdio>
#include <exception>
#include <filesystem>
#include <string>

#include "app_icon.h"

int main(int argc, char** argv) {
  using namespace vontra::forge;
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s <output dir>\n", argv[0]);
    return 2;
  }
  try {
    const std::filesystem::path out = argv[1];
    std::filesystem::create_directories(out);
    for (int size : kAppIconSizes) {
      const std::string name = std::to_string(size) + "x" + std::to_string(size) + ".png";
      WriteAppIcon(size, (out / name).string());
    }
  } catch (const std::exception& e) {
    std::fprintf(stderr, "icons: %s\n", e.what());
    return 1;
  }
  return 0;
}
