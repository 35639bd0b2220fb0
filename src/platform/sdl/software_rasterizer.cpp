#include "platform/sdl/software_rasterizer.h"

#include <SDL_opengl.h>

#include <algorithm>
#include <cctype>
#include <initializer_list>
#include <string>
#include <system_error>

namespace vontra {

bool IsSoftwareRasterizerName(std::string_view glRenderer) {
  std::string name(glRenderer);
  std::transform(name.begin(), name.end(), name.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  for (const char* cpu : {"llvmpipe", "softpipe", "swrast", "software rasterizer"}) {
    if (name.find(cpu) != std::string::npos) return true;
  }
  return false;
}

namespace {

bool HasEntryStartingWith(const std::filesystem::path& dir,
                          std::initializer_list<std::string_view> prefixes) {
  std::error_code error;
  for (std::filesystem::directory_iterator it(dir, error), end; !error && it != end;
       it.increment(error)) {
    const std::string name = it->path().filename().string();
    for (std::string_view prefix : prefixes) {
      if (name.rfind(prefix, 0) == 0) return true;
    }
  }
  return false;
}

}  // namespace

bool HasGraphicsDevice(const std::filesystem::path& dev) {
  return HasEntryStartingWith(dev / "dri", {"card", "renderD"}) ||
         HasEntryStartingWith(dev, {"nvidia"});
}

bool RendersOnSoftwareRasterizer(SDL_Renderer* renderer) {
  SDL_RendererInfo info;
  if (renderer == nullptr || SDL_GetRendererInfo(renderer, &info) != 0) return false;
  if (std::string_view(info.name).substr(0, 6) != "opengl") return false;
  // The renderer's context is the current one right after its creation.
  using GetString = const GLubyte*(APIENTRY*)(GLenum);
  auto getString = reinterpret_cast<GetString>(SDL_GL_GetProcAddress("glGetString"));
  if (getString == nullptr) return false;
  const GLubyte* name = getString(GL_RENDERER);
  return name != nullptr && IsSoftwareRasterizerName(reinterpret_cast<const char*>(name));
}

}  // namespace vontra
