#pragma once
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace vontra {

// A whole file's bytes for reading once from front to back, as archives are read.
class FileBytes {
 public:
  virtual ~FileBytes() = default;
  virtual std::span<const uint8_t> Bytes() const = 0;
  // The bytes before offset will not be read again: their memory may go (a mapped file's pages
  // leave the process, so a large archive never sits in memory whole beside what it decodes
  // to). Reading them afterwards is still allowed, only slower.
  virtual void DoneBefore(size_t /*offset*/) {}
};

// File bytes held in memory, as ReadAll returns them.
class HeldFileBytes : public FileBytes {
 public:
  explicit HeldFileBytes(std::vector<uint8_t> bytes) : bytes_(std::move(bytes)) {}
  std::span<const uint8_t> Bytes() const override { return bytes_; }

 private:
  std::vector<uint8_t> bytes_;
};

// Files relative to the working directory. Game paths use backslashes ("Data\Res\Res1.dxg");
// the platform maps them.
class IFiles {
 public:
  virtual ~IFiles() = default;
  virtual bool Exists(const std::string& path) = 0;
  // Whole file, or nothing when it cannot be read.
  virtual std::optional<std::vector<uint8_t>> ReadAll(const std::string& path) = 0;
  // The same for reading once, front to back; platforms may map the file instead of copying it.
  virtual std::unique_ptr<FileBytes> OpenForReading(const std::string& path) {
    auto bytes = ReadAll(path);
    if (!bytes) return nullptr;
    return std::make_unique<HeldFileBytes>(std::move(*bytes));
  }
  // Writes through a temporary file renamed over the old one, creating missing folders;
  // false on any failure (the old file is then untouched).
  virtual bool WriteAtomic(const std::string& path, const std::vector<uint8_t>& data) = 0;
  // The steps of a write that commits several files together. Write creates missing folders
  // and leaves the file's contents not yet durable; Sync makes a file's contents and its folder
  // entry durable; Rename replaces the target and makes that durable; Remove succeeds when the
  // file is already gone.
  virtual bool Write(const std::string& path, const std::vector<uint8_t>& data) = 0;
  virtual bool Sync(const std::string& path) = 0;
  virtual bool Rename(const std::string& from, const std::string& to) = 0;
  virtual bool Remove(const std::string& path) = 0;
  // The path in the platform's own form (for libraries that open files themselves).
  virtual std::string NativePath(const std::string& path) = 0;
};

}  // namespace vontra
