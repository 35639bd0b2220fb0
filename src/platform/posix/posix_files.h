#pragma once
#include "platform/files.h"

namespace vontra {

// Files under the working directory (or under root, for tests), with the game's backslash
// paths turned into slashes.
class PosixFiles : public IFiles {
 public:
  explicit PosixFiles(std::string root = {}) : root_(std::move(root)) {}
  bool Exists(const std::string& path) override;
  std::optional<std::vector<uint8_t>> ReadAll(const std::string& path) override;
  // Maps the file read-only; pages already read are let go as the reader moves on.
  std::unique_ptr<FileBytes> OpenForReading(const std::string& path) override;
  bool WriteAtomic(const std::string& path, const std::vector<uint8_t>& data) override;
  bool Write(const std::string& path, const std::vector<uint8_t>& data) override;
  bool Sync(const std::string& path) override;
  bool Rename(const std::string& from, const std::string& to) override;
  bool Remove(const std::string& path) override;
  std::string NativePath(const std::string& path) override;

 private:
  std::string root_;
};

}  // namespace vontra
