#include "platform/posix/mapped_file_bytes.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>

namespace vontra {

std::unique_ptr<MappedFileBytes> MappedFileBytes::Open(const std::string& nativePath) {
  const int fd = open(nativePath.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return nullptr;
  struct stat st {};
  if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    close(fd);
    return nullptr;
  }
  const size_t size = static_cast<size_t>(st.st_size);
  void* data = nullptr;
  if (size > 0) {
    data = mmap(nullptr, size, PROT_READ, MAP_PRIVATE, fd, 0);
    if (data == MAP_FAILED) {
      close(fd);
      return nullptr;
    }
    // Read front to back: the kernel may read ahead further.
    madvise(data, size, MADV_SEQUENTIAL);
  }
  close(fd);
  return std::unique_ptr<MappedFileBytes>(
      new MappedFileBytes(static_cast<const uint8_t*>(data), size));
}

MappedFileBytes::~MappedFileBytes() {
  if (size_ > 0) munmap(const_cast<uint8_t*>(data_), size_);
}

void MappedFileBytes::DoneBefore(size_t offset) {
  const size_t page = static_cast<size_t>(sysconf(_SC_PAGESIZE));
  const size_t upTo = std::min(offset, size_) / page * page;
  if (upTo <= released_) return;
  madvise(const_cast<uint8_t*>(data_) + released_, upTo - released_, MADV_DONTNEED);
  released_ = upTo;
}

}  // namespace vontra
