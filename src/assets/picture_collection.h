#pragma once
// Image lists: named pictures cut into equally sized frames, loaded from an image archive,
// converted to RGB565 when prepared and drawn with a colour key.
#include <array>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "assets/name_index.h"
#include "assets/picture.h"
#include "platform/surface.h"

namespace vontra {

class IDisplay;
class IFiles;

class TPictureCollectionItem {
 public:
  TPictureCollectionItem() = default;
  TPictureCollectionItem(const TPictureCollectionItem&) = delete;
  TPictureCollectionItem& operator=(const TPictureCollectionItem&) = delete;

  const std::string& Name() const { return name_; }
  // Renaming moves the item to the head of its new name's chain.
  void SetName(std::string name);

  TPicture Picture;  // as decoded from the archive
  int32_t PatternHeight = 0;
  int32_t PatternWidth = 0;
  int32_t SkipHeight = 0;
  int32_t SkipWidth = 0;
  bool SystemMemory = false;
  bool Transparent = true;
  // 0x00BBGGRR; values with a high byte (system colours, clNone) key no pixel.
  uint32_t TransparentColor = 0;

  // Frame size: the pattern size when positive, else the picture's.
  int Width() const { return PatternWidth > 0 ? PatternWidth : Picture.Width; }
  int Height() const { return PatternHeight > 0 ? PatternHeight : Picture.Height; }
  int PatternCount() const;
  // Empty rectangle for an index outside 0..PatternCount()-1.
  TRect PatternRect(int patternIndex) const;

  // Converts the picture to RGB565 and cuts its frames; an empty picture stays unprepared.
  void Prepare();
  void Unprepare();
  bool Prepared() const { return prepared_; }
  // Pixels as prepared (RGB565, Picture.Width per row); empty while unprepared.
  const std::vector<uint16_t>& PreparedPixels() const { return pixels565_; }

  // Copies a frame with its top-left corner at (x, y), clipped to the surface. Nothing is drawn
  // while unprepared or for an index outside the frames.
  void Draw(Surface& dest, int x, int y, int patternIndex) const;
  // Draws the frame scaled to width x height and turned clockwise by angle/256 of a full turn
  // about its point (pivotX * width, pivotY * height), which is put at (x, y).
  void DrawRotated(Surface& dest, int x, int y, int width, int height, int patternIndex,
                   double pivotX, double pivotY, double angle) const;

 private:
  friend class TPictureCollection;
  // Frames lie on a grid: column c, row r starts at (c * stepX, r * stepY).
  struct FrameGrid {
    int columns = 0, rows = 0, width = 0, height = 0, stepX = 0, stepY = 0;
    int Count() const { return columns * rows; }
    TRect Rect(int index) const;
  };
  FrameGrid CutFrames() const;
  bool FrameToDraw(int patternIndex, TRect& frame) const;

  std::string name_;
  TNameIndex<TPictureCollectionItem>* index_ = nullptr;
  bool prepared_ = false;
  FrameGrid grid_;
  std::vector<uint16_t> pixels565_;
};

class TPictureCollection {
 public:
  // With a display, loading prepares every item at once when the display is ready.
  explicit TPictureCollection(IDisplay* display = nullptr) : display_(display) {}
  TPictureCollection(const TPictureCollection&) = delete;
  TPictureCollection& operator=(const TPictureCollection&) = delete;

  // Clears the list, then reads an image archive. On failure the list keeps the items read so
  // far and AssetError carries the message.
  void LoadFromFile(IFiles& files, const std::string& path);
  void LoadFromMemory(std::span<const uint8_t> archive);

  // Prepares every item (the display has become ready); fails with
  // "TPictureCollection cannot be initialized" when the attached display is not.
  void Prepare();
  // The display went away: every item must be prepared again before it draws.
  void Unprepare();

  // The item of that name, the later one of equal names; AssetError "Image '%s' not found".
  TPictureCollectionItem& Find(std::string_view name) const;
  int Count() const { return static_cast<int>(items_.size()); }
  TPictureCollectionItem& Items(int index) const { return *items_.at(static_cast<size_t>(index)); }
  TPictureCollectionItem& Add();
  void Clear();

  // 256 entries 0x00RRGGBB (stored blue, green, red, reserved); kept, not used for drawing.
  std::array<uint32_t, 256> ColorTable{};

 private:
  IDisplay* display_;
  std::vector<std::unique_ptr<TPictureCollectionItem>> items_;
  TNameIndex<TPictureCollectionItem> index_;
};

}  // namespace vontra
