#include "formats/chr_file.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <string>

#include "rom/chr_tiles.h"
#include "rom/safe_file_write.h"

namespace pelmora {
namespace {

constexpr auto kChrTiles = static_cast<std::int16_t>(kSheetTiles);

CodecError wrongSize(std::uintmax_t size) {
  return outOfRange("The file has " + std::to_string(size) + " bytes; a .chr file has exactly " +
                    std::to_string(kChrFileSize) + ".");
}

}  // namespace

Expected<TileSheet> decodeChrFile(const std::vector<std::uint8_t>& bytes) {
  if (bytes.size() != kChrFileSize) return wrongSize(bytes.size());
  TileSheet sheet;
  if (Status decoded = decodeChrTiles(bytes, 0, kChrTiles, sheet); !decoded) return decoded.error();
  return sheet;
}

Expected<std::vector<std::uint8_t>> encodeChrFile(const TileSheet& sheet) {
  if (sheet.size() != kSheetTiles * kTilePixels) {
    return outOfRange("The tile sheet holds " + std::to_string(sheet.size() / kTilePixels) +
                      " tiles; a .chr file holds " + std::to_string(kSheetTiles) + ".");
  }
  std::vector<std::uint8_t> bytes(kChrFileSize);
  if (Status encoded = encodeChrTiles(sheet, kChrTiles, bytes, 0); !encoded) return encoded.error();
  return bytes;
}

Expected<TileSheet> readChrFile(const std::filesystem::path& path) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) {
    return outOfRange(error ? error.message() : "The path is not a regular file.");
  }
  const std::uintmax_t size = std::filesystem::file_size(path, error);
  if (error) return outOfRange(error.message());
  if (size != kChrFileSize) return wrongSize(size);
  std::ifstream file(path, std::ios::binary);
  std::vector<std::uint8_t> bytes(kChrFileSize);
  if (!file.read(reinterpret_cast<char*>(bytes.data()),
                 static_cast<std::streamsize>(bytes.size()))) {
    return outOfRange(errno != 0 ? std::strerror(errno) : "The file could not be read.");
  }
  return decodeChrFile(bytes);
}

Status writeChrFile(const std::filesystem::path& path, const TileSheet& sheet) {
  const Expected<std::vector<std::uint8_t>> bytes = encodeChrFile(sheet);
  if (!bytes) return bytes.error();
  if (!replaceFileSafely(path, *bytes, ExistingTail::kDrop)) {
    return outOfRange("The file " + path.string() + " could not be written.");
  }
  return success();
}

}  // namespace pelmora
