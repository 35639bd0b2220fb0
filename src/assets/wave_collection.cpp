#include "assets/wave_collection.h"

#include "assets/ansi_text.h"
#include "assets/asset_error.h"
#include "assets/component_reader.h"
#include "platform/files.h"

namespace vontra {

namespace {

void ReadItem(ComponentReader& r, TWaveCollectionItem& item) {
  while (!r.EndOfList()) {
    const std::string prop = r.ReadPropertyName();
    auto is = [&](const char* name) { return SameTextAnsi(prop, name); };
    if (is("Name")) {
      item.SetName(r.ReadString());
    } else if (is("Looped")) {
      item.SetLooped(r.ReadBoolean());
    } else if (is("MaxPlayingCount")) {
      item.SetMaxPlayingCount(r.ReadInteger());
    } else if (is("Wave.WAVE")) {
      item.Wave = DecodeRiffWave(r.ReadBinary());
    } else {
      throw AssetError("Property " + prop + " does not exist");
    }
  }
}

}  // namespace

void TWaveCollectionItem::SetName(std::string name) {
  if (index_) index_->Remove(this);
  name_ = std::move(name);
  if (index_) index_->Insert(this);
}

void TWaveCollectionItem::SetLooped(bool looped) {
  looped_ = looped;
  Voices.Stop();
}

void TWaveCollectionItem::SetMaxPlayingCount(int32_t count) {
  maxPlayingCount_ = count < 0 ? 0 : count;
  Voices.Trim(maxPlayingCount_);
}

void TWaveCollection::LoadFromFile(IFiles& files, const std::string& path) {
  auto bytes = files.ReadAll(path);
  if (!bytes) throw AssetError("Cannot open file \"" + path + "\"");
  LoadFromMemory(*bytes);
}

void TWaveCollection::LoadFromMemory(std::span<const uint8_t> archive) {
  Clear();
  ComponentReader r(archive);
  r.ReadRootStart();
  while (!r.EndOfList()) {
    const std::string prop = r.ReadPropertyName();
    if (!SameTextAnsi(prop, "List")) throw AssetError("Property " + prop + " does not exist");
    r.BeginCollection();
    while (r.NextItem()) ReadItem(r, Add());
  }
  r.SkipChildren();
}

TWaveCollectionItem& TWaveCollection::Find(std::string_view name) const {
  if (auto* item = index_.Find(name)) return *item;
  throw AssetError("Wave '" + std::string(name) + "' not found");
}

TWaveCollectionItem& TWaveCollection::Add() {
  items_.push_back(std::make_unique<TWaveCollectionItem>());
  auto* item = items_.back().get();
  item->index_ = &index_;
  index_.Insert(item);
  return *item;
}

void TWaveCollection::Clear() {
  index_.Clear();
  items_.clear();
}

}  // namespace vontra
