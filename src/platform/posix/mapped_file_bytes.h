#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "platform/files.h"

namespace vontra {

// A regular file mapped read-only (private). Pages before the reader's position are dropped
// from the process with MADV_DONTNEED as it moves on: they stay in the page cache, so reading
// them again only maps them back.
class MappedFileBytes : public FileBytes {
 public:
  // Null when the file cannot be opened or mapped (an empty file maps to no bytes).
  static std::unique_ptr<MappedFileBytes> Open(const std::string& nativePath);
  ~MappedFileBytes() override;
  MappedFileBytes(const MappedFileBytes&) = delete;
  MappedFileBytes& operator=(const MappedFileBytes&) = delete;

  std::span<const uint8_t> Bytes() const override { return {data_, size_}; }
  void DoneBefore(size_t offset) override;

 private:
  MappedFileBytes(const uint8_t* data, size_t size) : data_(data), size_(size) {}
  const uint8_t* data_;
  size_t size_;
  size_t released_ = 0;  // whole pages from the start already let go
};

}  // namespace vontra
