#pragma once
// The sound list: named PCM sounds with their playback settings, loaded from a sound archive.
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "assets/name_index.h"
#include "assets/wave.h"
#include "audio/wave_voices.h"

namespace vontra {

class IFiles;
class TSoundMixer;

class TWaveCollectionItem {
 public:
  TWaveCollectionItem() = default;
  TWaveCollectionItem(const TWaveCollectionItem&) = delete;
  TWaveCollectionItem& operator=(const TWaveCollectionItem&) = delete;

  const std::string& Name() const { return name_; }
  // Renaming moves the item to the head of its new name's chain.
  void SetName(std::string name);

  bool Looped() const { return looped_; }
  void SetLooped(bool looped);
  // 0 = unlimited; a negative value is stored as 0.
  int32_t MaxPlayingCount() const { return maxPlayingCount_; }
  void SetMaxPlayingCount(int32_t count);

  TWave Wave;
  // Applied to each voice as it starts: 0 = the sound's own rate, centre, full volume.
  int32_t Frequency = 0;
  int32_t Pan = 0;
  int32_t Volume = 0;

  // ---- Voices: the sound mixer's part of the item lives below (audio module). ----
  // Starts one voice on the mixer under the voice rules of TWaveVoices; does nothing while
  // the mixer has no sound card. With wait, returns once that voice has stopped.
  void Play(TSoundMixer& mixer, bool wait);
  // Stops the item's main voice and all its copies.
  void Stop();
  TWaveVoices Voices;

 private:
  friend class TWaveCollection;
  std::string name_;
  TNameIndex<TWaveCollectionItem>* index_ = nullptr;
  bool looped_ = false;
  int32_t maxPlayingCount_ = 0;
};

class TWaveCollection {
 public:
  TWaveCollection() = default;
  TWaveCollection(const TWaveCollection&) = delete;
  TWaveCollection& operator=(const TWaveCollection&) = delete;

  // Clears the list, then reads a sound archive. On failure the list keeps the items read so
  // far and AssetError carries the message.
  void LoadFromFile(IFiles& files, const std::string& path);
  void LoadFromMemory(std::span<const uint8_t> archive);

  // The item of that name, the later one of equal names; AssetError "Wave '%s' not found".
  TWaveCollectionItem& Find(std::string_view name) const;
  int Count() const { return static_cast<int>(items_.size()); }
  TWaveCollectionItem& Items(int index) const { return *items_.at(static_cast<size_t>(index)); }
  TWaveCollectionItem& Add();
  void Clear();

 private:
  std::vector<std::unique_ptr<TWaveCollectionItem>> items_;
  TNameIndex<TWaveCollectionItem> index_;
};

}  // namespace vontra
