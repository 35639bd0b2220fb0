#pragma once
#include <string>

#include "platform/files.h"

namespace vontra {

// Real files under a private temporary working directory, removed again when the platform
// goes (unless the test asked to keep it). Paths map like the real platform's.
class HeadlessFiles : public IFiles {
 public:
  // An empty root makes a fresh directory under the system's temporary folder.
  explicit HeadlessFiles(const std::string& root = {});
  ~HeadlessFiles() override;
  HeadlessFiles(const HeadlessFiles&) = delete;
  HeadlessFiles& operator=(const HeadlessFiles&) = delete;

  bool Exists(const std::string& path) override;
  std::optional<std::vector<uint8_t>> ReadAll(const std::string& path) override;
  bool WriteAtomic(const std::string& path, const std::vector<uint8_t>& data) override;
  bool Write(const std::string& path, const std::vector<uint8_t>& data) override;
  bool Sync(const std::string& path) override;
  bool Rename(const std::string& from, const std::string& to) override;
  bool Remove(const std::string& path) override;
  std::string NativePath(const std::string& path) override;

  const std::string& Root() const { return root_; }
  void KeepOnExit() { owned_ = false; }

 private:
  std::string root_;
  bool owned_ = false;
};

}  // namespace vontra
