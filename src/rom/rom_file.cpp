#include "rom/rom_file.h"

#include <algorithm>
#include <fstream>
#include <system_error>

#include "rom/safe_file_write.h"

namespace pelmora {
namespace {

constexpr std::size_t kMinimumFileSize = kRomHeaderSize + 1;
constexpr std::array<std::uint8_t, 3> kInesSignature = {0x4E, 0x45, 0x53};  // "NES"

bool readWholeFile(const std::filesystem::path& path, std::vector<std::uint8_t>& bytes) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return false;
  std::error_code error;
  if (std::filesystem::is_directory(path, error)) return false;
  file.seekg(0, std::ios::end);
  const std::streamoff length = file.tellg();
  if (length < 0) return false;
  file.seekg(0, std::ios::beg);
  bytes.resize(static_cast<std::size_t>(length));
  if (length > 0 && !file.read(reinterpret_cast<char*>(bytes.data()), length)) return false;
  return true;
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
