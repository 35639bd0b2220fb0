#include "assets/picture_collection.h"

#include "assets/ansi_text.h"
#include "assets/asset_error.h"
#include "assets/component_reader.h"
#include "assets/picture_decoder.h"
#include "platform/display.h"
#include "platform/files.h"

namespace vontra {

namespace {

void ReadItem(ComponentReader& r, TPictureCollectionItem& item) {
  while (!r.EndOfList()) {
    const std::string prop = r.ReadPropertyName();
    auto is = [&](const char* name) { return SameTextAnsi(prop, name); };
    if (is("Name")) {
      item.SetName(r.ReadString());
    } else if (is("PatternHeight")) {
      item.PatternHeight = r.ReadInteger();
    } else if (is("PatternWidth")) {
      item.PatternWidth = r.ReadInteger();
    } else if (is("Picture.Data")) {
      item.Picture = DecodePictureData(r.ReadBinary());
    } else if (is("SkipHeight")) {
      item.SkipHeight = r.ReadInteger();
    } else if (is("SkipWidth")) {
      item.SkipWidth = r.ReadInteger();
    } else if (is("SystemMemory")) {
      item.SystemMemory = r.ReadBoolean();
    } else if (is("Transparent")) {
      item.Transparent = r.ReadBoolean();
    } else if (is("TransparentColor")) {
      item.TransparentColor = r.ReadColor();
    } else {
      throw AssetError("Property " + prop + " does not exist");
    }
  }
}

}  // namespace

void TPictureCollection::LoadFromFile(IFiles& files, const std::string& path) {
  auto bytes = files.OpenForReading(path);
  if (!bytes) throw AssetError("Cannot open file \"" + path + "\"");
  Load(bytes->Bytes(), bytes.get());
}

void TPictureCollection::LoadFromMemory(std::span<const uint8_t> archive) {
  Load(archive, nullptr);
}

void TPictureCollection::Load(std::span<const uint8_t> archive, FileBytes* file) {
  Clear();
  ComponentReader r(archive);
  r.ReadRootStart();
  while (!r.EndOfList()) {
    const std::string prop = r.ReadPropertyName();
    if (SameTextAnsi(prop, "List.ColorTable")) {
      ByteReader table(r.ReadBinary());
      for (auto& entry : ColorTable) entry = table.U32();
    } else if (SameTextAnsi(prop, "List")) {
      r.BeginCollection();
      while (r.NextItem()) {
        TPictureCollectionItem& item = Add();
        ReadItem(r, item);
        if (drawnFormOnly_) item.KeepOnlyDrawnForm();
        // The item's file bytes are decoded: let them go before the next is read.
        if (file) file->DoneBefore(r.Position());
      }
    } else {
      throw AssetError("Property " + prop + " does not exist");
    }
  }
  r.SkipChildren();
  if (display_ && display_->Initialized()) Prepare();
}

void TPictureCollection::Prepare() {
  if (display_ && !display_->Initialized())
    throw AssetError("TPictureCollection cannot be initialized");
  for (auto& item : items_) item->Prepare();
}

void TPictureCollection::Unprepare() {
  for (auto& item : items_) item->Unprepare();
}

TPictureCollectionItem& TPictureCollection::Find(std::string_view name) const {
  if (auto* item = index_.Find(name)) return *item;
  throw AssetError("Image '" + std::string(name) + "' not found");
}

TPictureCollectionItem& TPictureCollection::Add() {
  items_.push_back(std::make_unique<TPictureCollectionItem>());
  auto* item = items_.back().get();
  item->index_ = &index_;
  index_.Insert(item);
  return *item;
}

void TPictureCollection::Clear() {
  index_.Clear();
  items_.clear();
  ColorTable.fill(0);
}

}  // namespace vontra
