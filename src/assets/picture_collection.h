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

class FileBytes;
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
  // Converts the picture to RGB565 now and lets go of the decoded pixels (Picture keeps its
  // size), so that only the form drawn from stays in memory; preparing then only cuts frames.
  void KeepOnlyDrawnForm();
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
  // The RGB565 pixels are all that is left of the picture.
  bool OnlyDrawnForm() const {
    return Picture.Pixels.empty() && !Picture.Empty() &&
           pixels565_.size() == static_cast<size_t>(Picture.Width) * Picture.Height;
  }
  void Convert();
  // Which picture rows hold the colour key, found when preparing: rows without it are drawn as
  // plain copies. Any row may hold a key other than the one scanned for.
  void ScanKeyRows();
  bool RowHasKey(int64_t row, uint16_t key) const {
    return key != scannedKey_ || rowHasKey_.empty() || rowHasKey_[static_cast<size_t>(row)] != 0;
  }

  std::string name_;
  TNameIndex<TPictureCollectionItem>* index_ = nullptr;
  bool prepared_ = false;
  FrameGrid grid_;
  std::vector<uint16_t> pixels565_;
  std::vector<uint8_t> rowHasKey_;
  uint16_t scannedKey_ = 0;
};

class TPictureCollection {
 public:
  // With a display, loading keeps each picture only in the form it is drawn from (the decoded
  // pixels are let go) and prepares every item at once when the display is ready.
  explicit TPictureCollection(IDisplay* display = nullptr)
      : display_(display), drawnFormOnly_(display != nullptr) {}
  TPictureCollection(const TPictureCollection&) = delete;
  TPictureCollection& operator=(const TPictureCollection&) = delete;

  // Clears the list, then reads an image archive. On failure the list keeps the items read so
  // far and AssetError carries the message.
  void LoadFromFile(IFiles& files, const std::string& path);
  void LoadFromMemory(std::span<const uint8_t> archive);

  // Prepares every item (the display has become ready); fails with
  // "TPictureCollection cannot be initialized" when the attached display is not.
  void Prepare();
  // The display went away: every item must be prepared again before it draws (pictures kept
  // only in their drawn form keep those pixels for it).
  void Unprepare();

  // A list loaded before its display exists (on another thread, say): it keeps pictures only in
  // the form they are drawn from, as a list with a display does, and gets its display later.
  void KeepOnlyDrawnForms() { drawnFormOnly_ = true; }
  void AttachDisplay(IDisplay* display) { display_ = display; }

  // The item of that name, the later one of equal names; AssetError "Image '%s' not found".
  TPictureCollectionItem& Find(std::string_view name) const;
  int Count() const { return static_cast<int>(items_.size()); }
  TPictureCollectionItem& Items(int index) const { return *items_.at(static_cast<size_t>(index)); }
  TPictureCollectionItem& Add();
  void Clear();

  // 256 entries 0x00RRGGBB (stored blue, green, red, reserved); kept, not used for drawing.
  std::array<uint32_t, 256> ColorTable{};

 private:
  // Reads the archive; file, when given, holds its bytes and lets go of those decoded.
  void Load(std::span<const uint8_t> archive, FileBytes* file);

  IDisplay* display_;
  bool drawnFormOnly_;
  std::vector<std::unique_ptr<TPictureCollectionItem>> items_;
  TNameIndex<TPictureCollectionItem> index_;
};

}  // namespace vontra
