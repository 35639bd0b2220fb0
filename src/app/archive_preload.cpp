#include "app/archive_preload.h"

#include "assets/picture_collection.h"
#include "assets/wave_collection.h"

namespace vontra {
namespace {

constexpr const char* kMenuPictures = "Data\\Res\\Res1.dxg";
constexpr const char* kRacePictures = "Data\\Res\\Res3.dxg";
constexpr const char* kSounds = "Data\\Res\\Sounds.dxw";

std::unique_ptr<TPictureCollection> LoadPictures(IFiles& files, const char* path) {
  auto list = std::make_unique<TPictureCollection>();
  list->KeepOnlyDrawnForms();
  list->LoadFromFile(files, path);
  return list;
}

}  // namespace

GameArchives::GameArchives() = default;
GameArchives::GameArchives(GameArchives&&) noexcept = default;
GameArchives& GameArchives::operator=(GameArchives&&) noexcept = default;
GameArchives::~GameArchives() = default;

GameArchives LoadGameArchives(IFiles& files) {
  GameArchives a;
  a.Menu = LoadPictures(files, kMenuPictures);
  a.Race = LoadPictures(files, kRacePictures);
  a.Sounds = std::make_unique<TWaveCollection>();
  a.Sounds->LoadFromFile(files, kSounds);
  return a;
}

ArchivePreload::ArchivePreload(std::shared_ptr<IFiles> files) : files_(std::move(files)) {
  IFiles& f = *files_;
  loading_ = std::async(std::launch::async, [&f] { return LoadGameArchives(f); });
}

ArchivePreload::~ArchivePreload() {
  // The thread reads through files_: it finishes before files_ may go.
  if (loading_.valid()) loading_.wait();
}

GameArchives ArchivePreload::Take() {
  return loading_.get();
}

}  // namespace vontra
