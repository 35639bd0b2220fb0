#pragma once
// The game's three archives, read and decoded before the main window needs them: on a thread of
// its own while the display is being set up, or at once.
#include <future>
#include <memory>

namespace vontra {

class IFiles;
class TPictureCollection;
class TWaveCollection;

struct GameArchives {
  std::unique_ptr<TPictureCollection> Menu;  // the menu's pictures
  std::unique_ptr<TPictureCollection> Race;  // the race's pictures
  std::unique_ptr<TWaveCollection> Sounds;
  GameArchives();
  GameArchives(GameArchives&&) noexcept;
  GameArchives& operator=(GameArchives&&) noexcept;
  ~GameArchives();
};

// Reads all three, pictures kept only in the form they are drawn from; AssetError on the first
// one missing or broken, in the order menu, race, sounds.
GameArchives LoadGameArchives(IFiles& files);

// The same, started on a thread of its own that reads through files. One thread, not one per
// archive: two archives' bytes at once would raise the peak memory by megabytes.
class ArchivePreload {
 public:
  explicit ArchivePreload(std::shared_ptr<IFiles> files);
  ~ArchivePreload();
  ArchivePreload(const ArchivePreload&) = delete;
  ArchivePreload& operator=(const ArchivePreload&) = delete;
  // Waits for the thread; rethrows the failure of the load. Once only.
  GameArchives Take();

 private:
  std::shared_ptr<IFiles> files_;
  std::future<GameArchives> loading_;
};

}  // namespace vontra
