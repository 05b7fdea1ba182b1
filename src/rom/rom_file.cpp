#include "rom/rom_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "rom/safe_file_write.h"

namespace pelmora {
namespace {

constexpr std::size_t kMinimumFileSize = kRomHeaderSize + 1;
// The largest iNES image (255 PRG banks and 255 CHR banks, about 6 MiB) stays below this.
// Anything larger is not an image of this game and would only cost memory, and the time of
// playing update lists across all of it.
constexpr std::uint64_t kMaximumFileSize = 8u << 20;
constexpr std::array<std::uint8_t, 3> kInesSignature = {0x4E, 0x45, 0x53};  // "NES"

bool readExactly(int descriptor, std::uint8_t* data, std::size_t size) {
  while (size > 0) {
    const ssize_t got = ::read(descriptor, data, size);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) return false;
    data += got;
    size -= static_cast<std::size_t>(got);
  }
  return true;
}

// An open regular file, closed with the object. Anything else (a folder, a pipe that would wait
// for a writer, a device) and files larger than any iNES image could be are refused before a
// byte is read.
class RomFileReader {
 public:
  explicit RomFileReader(const std::filesystem::path& path)
      : descriptor_(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC)) {
    struct stat info {};
    if (descriptor_ < 0 || ::fstat(descriptor_, &info) != 0 || !S_ISREG(info.st_mode) ||
        info.st_size < 0 || static_cast<std::uint64_t>(info.st_size) > kMaximumFileSize) {
      return;
    }
    size_ = static_cast<std::size_t>(info.st_size);
    usable_ = true;
  }
  ~RomFileReader() {
    if (descriptor_ >= 0) ::close(descriptor_);
  }
  RomFileReader(const RomFileReader&) = delete;
  RomFileReader& operator=(const RomFileReader&) = delete;

  bool usable() const { return usable_; }
  std::size_t size() const { return size_; }
  bool read(std::uint8_t* data, std::size_t count) { return readExactly(descriptor_, data, count); }

 private:
  int descriptor_;
  std::size_t size_ = 0;
  bool usable_ = false;
};

std::vector<std::uint8_t> fileContent(const RomImage& rom) {
  std::vector<std::uint8_t> content;
  content.reserve(kRomHeaderSize + rom.body.size());
  content.insert(content.end(), rom.header.begin(), rom.header.end());
  content.insert(content.end(), rom.body.begin(), rom.body.end());
  return content;
}

bool hasInesSignature(const RomImage& rom) {
  return std::equal(kInesSignature.begin(), kInesSignature.end(), rom.header.begin());
}

}  // namespace

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

// Two reads, the header and then the whole body straight into place.
std::int16_t loadRomFile(RomImage& rom, const std::filesystem::path& path) {
  RomFileReader file(path);
  if (!file.usable()) return kRomFileIoError;
  rom.header.fill(0);
  rom.body.clear();
  if (file.size() < kMinimumFileSize) return kRomFileIoError;
  std::vector<std::uint8_t> body(file.size() - kRomHeaderSize);
  if (!file.read(rom.header.data(), kRomHeaderSize) || !file.read(body.data(), body.size())) {
    return kRomFileIoError;
  }
  rom.body = std::move(body);
  return hasInesSignature(rom) ? kRomFileOk : kRomFileNotInes;
}

std::int16_t saveRomFile(const RomImage& rom, const std::filesystem::path& path) {
  return replaceFileSafely(path, fileContent(rom), ExistingTail::kKeep) ? kRomFileOk
                                                                         : kRomFileIoError;
}

std::int16_t writeRomFile(const RomImage& rom, const std::filesystem::path& path) {
  return replaceFileSafely(path, fileContent(rom), ExistingTail::kDrop) ? kRomFileOk
                                                                         : kRomFileIoError;
}

}  // namespace pelmora
