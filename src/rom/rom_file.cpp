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
// The largest iNES image (255 PRG banks, 255 CHR banks and more in the NES 2.0 extension) stays
// well below this; anything larger is not a ROM and would only exhaust memory.
constexpr std::uint64_t kMaximumFileSize = 64u << 20;
constexpr std::array<std::uint8_t, 3> kInesSignature = {0x4E, 0x45, 0x53};  // "NES"

// Reads a regular file whole. Anything else (a folder, a pipe that would wait for a writer, a
// device) and files larger than any iNES image could be are refused before a byte is read.
bool readWholeFile(const std::filesystem::path& path, std::vector<std::uint8_t>& bytes) {
  const int descriptor = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (descriptor < 0) return false;
  struct stat info {};
  bool read = ::fstat(descriptor, &info) == 0 && S_ISREG(info.st_mode) && info.st_size >= 0 &&
              static_cast<std::uint64_t>(info.st_size) <= kMaximumFileSize;
  if (read) {
    bytes.resize(static_cast<std::size_t>(info.st_size));
    std::size_t done = 0;
    while (read && done < bytes.size()) {
      const ssize_t got = ::read(descriptor, bytes.data() + done, bytes.size() - done);
      if (got < 0 && errno == EINTR) continue;
      read = got > 0;
      if (read) done += static_cast<std::size_t>(got);
    }
  }
  ::close(descriptor);
  return read;
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
  const bool ines = std::equal(kInesSignature.begin(), kInesSignature.end(), rom.header.begin());
  return ines ? kRomFileOk : kRomFileNotInes;
}

std::int16_t loadRomFile(RomImage& rom, const std::filesystem::path& path) {
  std::vector<std::uint8_t> bytes;
  if (!readWholeFile(path, bytes)) return kRomFileIoError;
  return loadRomBytes(rom, bytes.data(), bytes.size());
}

std::int16_t saveRomFile(const RomImage& rom, const std::filesystem::path& path) {
  std::vector<std::uint8_t> image;
  image.reserve(kRomHeaderSize + rom.body.size());
  image.insert(image.end(), rom.header.begin(), rom.header.end());
  image.insert(image.end(), rom.body.begin(), rom.body.end());
  return replaceFileKeepingTail(path, image) ? kRomFileOk : kRomFileIoError;
}

}  // namespace pelmora
