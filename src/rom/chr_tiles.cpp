#include "rom/chr_tiles.h"

#include <array>
#include <bit>
#include <cstring>
#include <string>

namespace pelmora {
namespace {

// For each plane byte, its eight bits spread into eight pixel bytes, leftmost pixel (bit 7)
// first in memory. A row is then spread[low] | spread[high] << 1: colour = high * 2 + low.
constexpr std::array<std::uint64_t, 256> kSpreadBits = [] {
  std::array<std::uint64_t, 256> table{};
  for (int value = 0; value < 256; ++value) {
    std::uint8_t pixels[8] = {};
    for (int x = 0; x < 8; ++x) pixels[x] = static_cast<std::uint8_t>((value >> (7 - x)) & 1);
    std::uint64_t packed = 0;
    for (int x = 7; x >= 0; --x) packed = (packed << 8) | pixels[x];  // pixel x at byte x
    table[value] = packed;
  }
  return table;
}();

// One 16-byte tile: plane 0 rows 0-7 then plane 1 rows 0-7.
void decodeTile(const std::uint8_t* tile, std::uint8_t* pixels) {
  for (int y = 0; y < 8; ++y) {
    std::uint64_t row = kSpreadBits[tile[y]] | (kSpreadBits[tile[y + 8]] << 1);
    if constexpr (std::endian::native == std::endian::big) row = __builtin_bswap64(row);
    std::memcpy(pixels + y * 8, &row, sizeof row);
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
