#include "rom/chr_tiles.h"

#include "state/hex_caption.h"

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

// The inverse of decodeTile: bit 1 of each pixel into plane 1, bit 0 into plane 0.
void encodeTile(const std::uint8_t* pixels, std::uint8_t* tile) {
  for (int y = 0; y < 8; ++y) {
    unsigned low = 0;
    unsigned high = 0;
    for (int x = 0; x < 8; ++x) {
      const unsigned value = pixels[y * 8 + x];
      low = (low << 1) | (value & 1u);
      high = (high << 1) | ((value >> 1) & 1u);
    }
    tile[y] = static_cast<std::uint8_t>(low);
    tile[y + 8] = static_cast<std::uint8_t>(high);
  }
}

Status checkTileCount(std::int16_t count) {
  if (count < 0 || count > kMaxChrTileCount) {
    return outOfRange("a tile count of " + std::to_string(count) + " is outside 0-" +
                      std::to_string(kMaxChrTileCount));
  }
  return success();
}

Status checkTileSpan(std::size_t bodySize, std::int64_t start, std::int16_t count) {
  const std::int64_t end = start + std::int64_t{count} * static_cast<std::int64_t>(kChrTileBytes);
  if (start < 0 || end > static_cast<std::int64_t>(bodySize)) {
    return outOfRange(std::to_string(count) + " tiles from body offset " + hexOffset(start) +
                      " reach past the end of the image at " +
                      hexOffset(static_cast<std::int64_t>(bodySize)));
  }
  return success();
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
  if (Status counted = checkTileCount(count); !counted) return counted;
  if (Status inside = checkTileSpan(body.size(), start, count); !inside) return inside;
  TileSheet decoded(static_cast<std::size_t>(count) * kTilePixels, 0);
  for (std::size_t tile = 0; tile < static_cast<std::size_t>(count); ++tile) {
    decodeTile(body.data() + start + tile * kChrTileBytes, decoded.data() + tile * kTilePixels);
  }
  sheet = std::move(decoded);
  return success();
}

Status encodeChrTiles(const TileSheet& sheet, std::int16_t count, std::vector<std::uint8_t>& body,
                      std::int64_t start) {
  if (Status counted = checkTileCount(count); !counted) return counted;
  const std::size_t pixels = static_cast<std::size_t>(count) * kTilePixels;
  if (sheet.size() < pixels) {
    return outOfRange("the tile sheet holds " + std::to_string(sheet.size() / kTilePixels) +
                      " tiles; " + std::to_string(count) + " are to be written");
  }
  if (Status inside = checkTileSpan(body.size(), start, count); !inside) return inside;
  for (std::size_t tile = 0; tile < static_cast<std::size_t>(count); ++tile) {
    encodeTile(sheet.data() + tile * kTilePixels, body.data() + start + tile * kChrTileBytes);
  }
  return success();
}

std::int64_t chrBankStart(const RomImage& rom, std::uint8_t bank, std::int16_t sizeCode) {
  return static_cast<std::int64_t>(rom.chrOffset()) + std::int64_t{bank} * chrBankSize(sizeCode);
}

Status loadChrBank(const RomImage& rom, TileSheet& sheet, std::uint8_t bank, std::int16_t sizeCode) {
  return decodeChrTiles(rom.body, chrBankStart(rom, bank, sizeCode),
                        static_cast<std::int16_t>(kSheetTiles), sheet);
}

Status storeChrBank(const TileSheet& sheet, RomImage& rom, std::uint8_t bank, std::int16_t sizeCode) {
  return encodeChrTiles(sheet, static_cast<std::int16_t>(kSheetTiles), rom.body,
                        chrBankStart(rom, bank, sizeCode));
}

}  // namespace pelmora
