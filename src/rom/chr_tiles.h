#pragma once

#include <cstdint>
#include <vector>

#include "rom/codec_result.h"
#include "rom/rom_image.h"
#include "state/editor_state.h"

namespace pelmora {

constexpr std::int16_t kMaxChrTileCount = 511;  // count * 64 must fit 16 bits signed
constexpr std::size_t kChrTileBytes = 16;       // plane 0 rows 0-7, then plane 1 rows 0-7

// Bank size in bytes for a bank-size code: 3 -> 1 KiB, 2 -> 2 KiB, 1 -> 4 KiB, else 8 KiB.
std::int32_t chrBankSize(std::int16_t sizeCode);

// Decodes `count` tiles from body offset `start` into a new sheet of count * 64 colour numbers.
// A count outside 0-511 or tiles reaching past the body are a range failure; `sheet` is then
// left as it was.
Status decodeChrTiles(const std::vector<std::uint8_t>& body, std::int64_t start, std::int16_t count,
                      TileSheet& sheet);

// Encodes `count` tiles of `sheet` into body offset `start` onward, the exact inverse of
// decodeChrTiles: tile t's 16 bytes land at start + 16 * t. Only the low two bits of each
// pixel count. A count outside 0-511, a sheet with fewer than count * 64 pixels or tiles
// reaching past the body are a range failure; `body` is then left as it was.
Status encodeChrTiles(const TileSheet& sheet, std::int16_t count, std::vector<std::uint8_t>& body,
                      std::int64_t start);

// Body offset of the first byte of CHR bank `bank` of size `sizeCode`.
std::int64_t chrBankStart(const RomImage& rom, std::uint8_t bank, std::int16_t sizeCode);

// Decodes 256 tiles from the first byte of CHR bank `bank` of size `sizeCode`, whatever the
// bank size.
Status loadChrBank(const RomImage& rom, TileSheet& sheet, std::uint8_t bank, std::int16_t sizeCode);

// Encodes the 256 tiles of `sheet` back to where loadChrBank read them. A range failure leaves
// `rom` as it was.
Status storeChrBank(const TileSheet& sheet, RomImage& rom, std::uint8_t bank, std::int16_t sizeCode);

}  // namespace pelmora
