// Feeds arbitrary bytes to both archive readers, then prepares and draws whatever loaded:
// every failure must be an AssetError, never a crash, hang or leak.
#include <cstddef>
#include <cstdint>
#include <span>

#include "assets/asset_error.h"
#include "assets/picture_collection.h"
#include "assets/wave_collection.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace vontra;
  const std::span<const uint8_t> bytes(data, size);
  TPictureCollection pictures;
  try {
    pictures.LoadFromMemory(bytes);
  } catch (const AssetError&) {
  }
  pictures.Prepare();
  Surface surface(48, 32);
  for (int i = 0; i < pictures.Count(); ++i) {
    const auto& item = pictures.Items(i);
    const int last = item.PatternCount() - 1;
    item.Draw(surface, -3, 5, 0);
    item.Draw(surface, 20, -2, last);
    item.DrawRotated(surface, 24, 16, item.Width(), item.Height(), last, 0.5, 0.5, 37);
    (void)item.PatternRect(last);
  }
  TWaveCollection waves;
  try {
    waves.LoadFromMemory(bytes);
  } catch (const AssetError&) {
  }
  for (int i = 0; i < waves.Count(); ++i) (void)waves.Items(i).Wave.LengthMs();
  return 0;
}
