#include "platform/sdl/software_rasterizer.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

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

TEST(SoftwareRasterizer, GraphicsDeviceIsADrmOrNvidiaNode) {
  struct Case {
    std::vector<std::string> entries;  // paths under a scratch dev folder
    bool device;
  };
  const Case cases[] = {
      {{}, false},
      {{"dri/renderD128"}, true},
      {{"dri/card0"}, true},
      {{"nvidia0", "nvidiactl"}, true},
      {{"dri/by-path/pci-0000:00:02.0-card"}, false},
      {{"null", "tty0", "fb0"}, false},
  };
  const std::filesystem::path dev = std::filesystem::path(testing::TempDir()) / "vontra-dev-nodes";
  for (const Case& c : cases) {
    std::filesystem::remove_all(dev);
    std::filesystem::create_directories(dev);
    std::string listed;
    for (const std::string& entry : c.entries) {
      std::filesystem::create_directories((dev / entry).parent_path());
      std::ofstream(dev / entry).put('\n');
      listed += entry + " ";
    }
    EXPECT_EQ(HasGraphicsDevice(dev), c.device) << listed;
  }
  std::filesystem::remove_all(dev);
  EXPECT_FALSE(HasGraphicsDevice(dev)) << "a missing folder";
}

}  // namespace
}  // namespace vontra
