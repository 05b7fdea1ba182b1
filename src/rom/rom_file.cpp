#include "rom/rom_file.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cerrno>
#include <cstring>
#include <utility>

#include "memory/fresh_pages.h"
#include "rom/safe_file_write.h"

namespace pelmora {
namespace {

constexpr std::size_t kMinimumFileSize = kRomHeaderSize + 1;
// The largest iNES image (255 PRG banks and 255 CHR banks, about 6 MiB) stays below
// kMaximumFileSize. Anything larger is not an image of this game and would only cost memory,
// and the time of playing update lists across all of it.
constexpr std::array<std::uint8_t, 3> kInesSignature = {0x4E, 0x45, 0x53};  // "NES"
constexpr std::size_t kReadStretch = 16384;

bool readExactly(int descriptor, std::uint8_t* data, std::size_t size) {
  while (size > 0) {
    const ssize_t got = ::read(descriptor, data, size);
    if (got < 0 && errno == EINTR) continue;
    if (got == 0) errno = EIO;
    if (got <= 0) return false;
    data += got;
    size -= static_cast<std::size_t>(got);
  }
  return true;
}

// An open regular file, closed with the object. Anything else (a folder, a pipe that would wait
// for a writer, a device) and files larger than `maximumSize` are refused before a byte is
// read, with the reason in `problem`.
class FileReader {
 public:
  FileReader(const std::filesystem::path& path, std::uint64_t maximumSize)
      : descriptor_(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC)) {
    struct stat info {};
    if (descriptor_ < 0 || ::fstat(descriptor_, &info) != 0) {
      problem_ = std::strerror(errno);
    } else if (S_ISDIR(info.st_mode)) {
      problem_ = std::strerror(EISDIR);
    } else if (!S_ISREG(info.st_mode)) {
      problem_ = "Not a regular file";
    } else if (info.st_size < 0 || static_cast<std::uint64_t>(info.st_size) > maximumSize) {
      problem_ = "The file is larger than " + std::to_string(maximumSize >> 20) + " MiB";
    } else {
      size_ = static_cast<std::size_t>(info.st_size);
    }
  }
  ~FileReader() {
    if (descriptor_ >= 0) ::close(descriptor_);
  }
  FileReader(const FileReader&) = delete;
  FileReader& operator=(const FileReader&) = delete;

  bool usable() const { return problem_.empty(); }
  int descriptor() const { return descriptor_; }
  const std::string& problem() const { return problem_; }
  std::size_t size() const { return size_; }
  bool read(std::uint8_t* data, std::size_t count) {
    if (readExactly(descriptor_, data, count)) return true;
    problem_ = std::strerror(errno);
    return false;
  }
  // Appends the next `count` bytes to `bytes`. They pass through a small buffer instead of
  // going straight into a resized vector: resizing would first write zeros over the whole
  // length, touching every page of a large file twice.
  bool append(std::vector<std::uint8_t>& bytes, std::size_t count) {
    std::array<std::uint8_t, kReadStretch> stretch;
    bytes.reserve(bytes.size() + count);
    prefaultForWriting(bytes.data() + bytes.size(), count);
    while (count > 0) {
      const std::size_t part = std::min(count, stretch.size());
      if (!read(stretch.data(), part)) return false;
      bytes.insert(bytes.end(), stretch.begin(), stretch.begin() + static_cast<std::ptrdiff_t>(part));
      count -= part;
    }
    return true;
  }

 private:
  int descriptor_;
  std::size_t size_ = 0;
  std::string problem_;
};

bool hasInesSignature(const RomImage& rom) {
  return std::equal(kInesSignature.begin(), kInesSignature.end(), rom.header.begin());
}

constexpr const char* kTooShortReason = "The file is too short for an iNES image";
constexpr const char* kNotInesReason = "The file is not an iNES image (it does not start with NES)";

}  // namespace

std::vector<std::uint8_t> romFileBytes(const RomImage& rom) {
  std::vector<std::uint8_t> content;
  content.reserve(kRomHeaderSize + rom.body.size());
  content.insert(content.end(), rom.header.begin(), rom.header.end());
  content.insert(content.end(), rom.body.begin(), rom.body.end());
  return content;
}

std::int16_t loadRomBytes(RomImage& rom, const std::uint8_t* data, std::size_t size) {
  rom.header.fill(0);
  if (size < kMinimumFileSize) {
    rom.body.clear();
    return kRomFileIoError;
  }
  std::copy(data, data + kRomHeaderSize, rom.header.begin());
  rom.body.assign(data + kRomHeaderSize, data + size);
  // The signature is tested after the data is stored: a rejected file stays in `rom`.
  return hasInesSignature(rom) ? kRomFileOk : kRomFileNotInes;
}

std::int16_t loadRomBytes(RomImage& rom, std::vector<std::uint8_t>&& bytes) {
  if (bytes.size() < kMinimumFileSize) return loadRomBytes(rom, bytes.data(), bytes.size());
  std::copy_n(bytes.begin(), kRomHeaderSize, rom.header.begin());
  bytes.erase(bytes.begin(), bytes.begin() + kRomHeaderSize);
  rom.body = std::move(bytes);
  return hasInesSignature(rom) ? kRomFileOk : kRomFileNotInes;
}

// Two reads, the header and then the whole body straight into place.
std::int16_t loadRomFile(RomImage& rom, const std::filesystem::path& path, std::string& reason) {
  FileReader file(path, kMaximumFileSize);
  if (!file.usable()) {
    reason = file.problem();
    return kRomFileIoError;
  }
  rom.header.fill(0);
  rom.body.clear();
  if (file.size() < kMinimumFileSize) {
    reason = kTooShortReason;
    return kRomFileIoError;
  }
  std::vector<std::uint8_t> body;
  if (!file.read(rom.header.data(), kRomHeaderSize) ||
      !file.append(body, file.size() - kRomHeaderSize)) {
    reason = file.problem();
    return kRomFileIoError;
  }
  rom.body = std::move(body);
  if (hasInesSignature(rom)) return kRomFileOk;
  reason = kNotInesReason;
  return kRomFileNotInes;
}

std::int16_t loadRomFile(RomImage& rom, const std::filesystem::path& path) {
  std::string ignored;
  return loadRomFile(rom, path, ignored);
}

Expected<std::vector<std::uint8_t>> readFileContent(const std::filesystem::path& path,
                                                    std::uint64_t maximumSize) {
  FileReader file(path, maximumSize);
  if (!file.usable()) return CodecError{file.problem()};
  std::vector<std::uint8_t> content;
  if (!file.append(content, file.size())) return CodecError{file.problem()};
  return content;
}

FileView::FileView(FileView&& other) noexcept
    : data_(std::exchange(other.data_, nullptr)),
      size_(std::exchange(other.size_, 0)),
      mapping_(std::exchange(other.mapping_, nullptr)) {}

FileView& FileView::operator=(FileView&& other) noexcept {
  if (this != &other) {
    FileView gone(std::move(*this));
    data_ = std::exchange(other.data_, nullptr);
    size_ = std::exchange(other.size_, 0);
    mapping_ = std::exchange(other.mapping_, nullptr);
  }
  return *this;
}

FileView::~FileView() {
  if (mapping_ != nullptr) ::munmap(mapping_, size_);
}

Expected<FileView> viewFileContent(const std::filesystem::path& path, std::uint64_t maximumSize) {
  FileReader file(path, maximumSize);
  if (!file.usable()) return CodecError{file.problem()};
  FileView view;
  if (file.size() == 0) return view;
  // The pages are mapped all at once (populated) rather than one fault at a time.
  void* mapping = ::mmap(nullptr, file.size(), PROT_READ, MAP_PRIVATE | MAP_POPULATE,
                         file.descriptor(), 0);
  if (mapping == MAP_FAILED) return CodecError{std::strerror(errno)};
  view.mapping_ = mapping;
  view.data_ = static_cast<const std::uint8_t*>(mapping);
  view.size_ = file.size();
  return view;
}

// Header and body go to the file as they are, without first being joined in one buffer.
Status saveRomFileChecked(const RomImage& rom, const std::filesystem::path& path) {
  return writeFileSafely(path, rom.header, rom.body, ExistingTail::kKeep);
}

Status writeRomFileChecked(const RomImage& rom, const std::filesystem::path& path) {
  return writeFileSafely(path, rom.header, rom.body, ExistingTail::kDrop);
}

std::int16_t saveRomFile(const RomImage& rom, const std::filesystem::path& path) {
  return saveRomFileChecked(rom, path) ? kRomFileOk : kRomFileIoError;
}

std::int16_t writeRomFile(const RomImage& rom, const std::filesystem::path& path) {
  return writeRomFileChecked(rom, path) ? kRomFileOk : kRomFileIoError;
}

}  // namespace pelmora
