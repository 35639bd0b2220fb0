#include "platform/sdl/software_rasterizer.h"

#include <gtest/gtest.h>

namespace vontra {
namespace {

TEST(SoftwareRasterizer, TellsCpuRasterisersFromGraphicsChips) {
  struct Case {
    const char* glRenderer;
    bool onCpu;
  };
  const Case cases[] = {
      {"llvmpipe (LLVM 15.0.6, 256 bits)", true},
      {"softpipe", true},
      {"Mesa DRI swrast", true},
      {"Software Rasterizer", true},
      {"LLVMPIPE (LLVM 11.0.1, 128 bits)", true},
      {"Mesa Intel(R) UHD Graphics 620 (KBL GT2)", false},
      {"AMD Radeon RX 6600 (navi23, LLVM 15.0.6, DRM 3.49, 6.1.0-13-amd64)", false},
      {"NVIDIA GeForce GTX 1060 6GB/PCIe/SSE2", false},
      {"SVGA3D; build: RELEASE;  LLVM;", false},
      {"", false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(IsSoftwareRasterizerName(c.glRenderer), c.onCpu) << c.glRenderer;
  }
}

}  // namespace
}  // namespace vontra
