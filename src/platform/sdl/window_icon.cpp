#include "platform/sdl/window_icon.h"

#include <png.h>
#include <unistd.h>

#include <array>

namespace vontra {

namespace {

constexpr int kIconSize = 64;
// Anything larger is not an icon of ours, and would cost memory for nothing.
constexpr png_uint_32 kLargestIcon = 512;

std::string ProgramFolder() {
  std::array<char, 4096> path{};
  const ssize_t n = readlink("/proc/self/exe", path.data(), path.size() - 1);
  if (n <= 0) return {};
  const std::string exe(path.data(), static_cast<size_t>(n));
  const size_t slash = exe.rfind('/');
  return slash == std::string::npos ? std::string() : exe.substr(0, slash);
}

}  // namespace

std::optional<IconPixels> ReadIconFile(const std::string& path) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_file(&image, path.c_str())) return std::nullopt;
  if (image.width == 0 || image.width != image.height || image.width > kLargestIcon) {
    png_image_free(&image);
    return std::nullopt;
  }
  image.format = PNG_FORMAT_RGBA;
  IconPixels icon;
  icon.Width = static_cast<int>(image.width);
  icon.Height = static_cast<int>(image.height);
  icon.Rgba.resize(PNG_IMAGE_SIZE(image));
  if (!png_image_finish_read(&image, nullptr, icon.Rgba.data(), 0, nullptr)) {
    png_image_free(&image);
    return std::nullopt;
  }
  return icon;
}

std::vector<std::string> IconCandidates(const std::string& programFolder) {
  const std::string size = std::to_string(kIconSize);
  return {programFolder + "/icons/" + size + "x" + size + ".png",
          programFolder + "/" VONTRA_PROGRAM_TO_ICONS "/hicolor/" + size + "x" + size +
              "/apps/" VONTRA_APP_ID ".png"};
}

void SetWindowIcon(SDL_Window* window) {
  const std::string folder = ProgramFolder();
  if (folder.empty()) return;
  for (const std::string& path : IconCandidates(folder)) {
    std::optional<IconPixels> icon = ReadIconFile(path);
    if (!icon) continue;
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormatFrom(
        icon->Rgba.data(), icon->Width, icon->Height, 32, icon->Width * 4, SDL_PIXELFORMAT_RGBA32);
    if (surface == nullptr) return;
    SDL_SetWindowIcon(window, surface);
    SDL_FreeSurface(surface);
    return;
  }
}

}  // namespace vontra
