#pragma once
// Files kept in memory, with a switch that makes every write fail like a full disk.
#include <map>

#include "platform/files.h"

namespace vontra {

class MemoryFiles : public IFiles {
 public:
  std::map<std::string, std::vector<uint8_t>> files;
  bool failWrites = false;

  bool Exists(const std::string& path) override { return files.count(path) != 0; }
  std::optional<std::vector<uint8_t>> ReadAll(const std::string& path) override {
    auto it = files.find(path);
    if (it == files.end()) return std::nullopt;
    return it->second;
  }
  bool WriteAtomic(const std::string& path, const std::vector<uint8_t>& data) override {
    if (failWrites) return false;
    files[path] = data;
    return true;
  }
  bool Write(const std::string& path, const std::vector<uint8_t>& data) override {
    if (failWrites) return false;
    files[path] = data;
    return true;
  }
  bool Sync(const std::string& path) override { return Exists(path); }
  bool Rename(const std::string& from, const std::string& to) override {
    auto it = files.find(from);
    if (failWrites || it == files.end()) return false;
    files[to] = it->second;
    files.erase(from);
    return true;
  }
  bool Remove(const std::string& path) override {
    files.erase(path);
    return true;
  }
  std::string NativePath(const std::string& path) override { return path; }

  void Put(const std::string& path, const std::string& text) {
    files[path] = std::vector<uint8_t>(text.begin(), text.end());
  }
  std::string Text(const std::string& path) const {
    const auto& bytes = files.at(path);
    return std::string(bytes.begin(), bytes.end());
  }
};

}  // namespace vontra
