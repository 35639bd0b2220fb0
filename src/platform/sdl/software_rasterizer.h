#pragma once
#include <SDL.h>

#include <filesystem>
#include <string_view>

namespace vontra {

// Whether an OpenGL renderer string names a rasteriser that runs on the CPU (Mesa's
// llvmpipe, softpipe and swrast), as on virtual machines, remote desktops and Xvfb.
bool IsSoftwareRasterizerName(std::string_view glRenderer);

// Whether the machine has a graphics chip for OpenGL to drive: a DRM device under dev/dri or
// NVIDIA's own device nodes. Without one, Mesa can only rasterise on the CPU, and loading it
// just to find that out costs start-up time.
bool HasGraphicsDevice(const std::filesystem::path& dev = "/dev");

// Whether `renderer` draws through OpenGL on such a rasteriser. There SDL's own software
// renderer shows the same picture for a fraction of the CPU: the GL path rasterises the
// scaled frame in worker threads and then copies it to the window all the same.
bool RendersOnSoftwareRasterizer(SDL_Renderer* renderer);

}  // namespace vontra
