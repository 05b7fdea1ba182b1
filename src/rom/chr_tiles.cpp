#include "rom/chr_tiles.h"

#include <string>

namespace pelmora {
namespace {

// One 16-byte tile: plane 0 rows 0-7 then plane 1 rows 0-7; bit 7 is the leftmost pixel.
void decodeTile(const std::uint8_t* tile, std::uint8_t* pixels) {
  for (int y = 0; y < 8; ++y) {
    const std::uint8_t low = tile[y];
    const std::uint8_t high = tile[y + 8];
    for (int x = 0; x < 8; ++x) {
      const int bit = 7 - x;
      pixels[y * 8 + x] = static_cast<std::uint8_t>(((high >> bit) & 1) * 2 + ((low >> bit) & 1));
    }
  }
}

}  // namespace

std::int32_t chrBankSize(std::int16_t sizeCode) {
  switch (sizeCode) {
    case 3: return 1024;
    case 2: return 2048;
    case 1: return 4096;
    default: return 8192;
  }
}

Status decodeChrTiles(const std::vector<std::uint8_t>& body, std::int64_t start, std::int16_t count,
                      TileSheet& sheet) {
  if (count < 0 || count > kMaxChrTileCount) {
    return outOfRange("a tile count of " + std::to_string(count) + " is outside 0-" +
                      std::to_string(kMaxChrTileCount));
  }
  const std::int64_t end = start + std::int64_t{count} * static_cast<std::int64_t>(kChrTileBytes);
  if (start < 0 || end > static_cast<std::int64_t>(body.size())) {
    return outOfRange(std::to_string(count) + " tiles from body offset " + std::to_string(start) +
                      " reach past the end of the image (" + std::to_string(body.size()) +
                      " bytes)");
  }
  TileSheet decoded(static_cast<std::size_t>(count) * kTilePixels, 0);
  for (std::size_t tile = 0; tile < static_cast<std::size_t>(count); ++tile) {
    decodeTile(body.data() + start + tile * kChrTileBytes, decoded.data() + tile * kTilePixels);
  }
  sheet = std::move(decoded);
  return success();
}

Status loadChrBank(const RomImage& rom, TileSheet& sheet, std::uint8_t bank, std::int16_t sizeCode) {
  const std::int64_t start = static_cast<std::int64_t>(rom.chrOffset()) +
                             std::int64_t{bank} * chrBankSize(sizeCode);
  return decodeChrTiles(rom.body, start, static_cast<std::int16_t>(kSheetTiles), sheet);
}

}  // namespace pelmora
