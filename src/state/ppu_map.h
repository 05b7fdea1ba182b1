#pragma once

#include <cstdint>

namespace pelmora::ppu_address {

// Where things live in the PPU address space ($0000-$3FFF).
constexpr std::uint16_t kNameTable0 = 0x2000;  // 30 rows of 32 tile numbers, then attributes
constexpr std::uint16_t kNameTable2 = 0x2800;
constexpr std::uint16_t kNameTableStride = 0x400;  // name table n at $2000 + n * $400
constexpr std::uint16_t kNameTableTiles = 960;     // 30 rows of 32
constexpr std::uint16_t kAttributeOffset = 0x3C0;  // 64 attribute bytes after the tiles
constexpr std::uint16_t kAttributeTable0 = kNameTable0 + kAttributeOffset;  // $23C0
constexpr std::uint16_t kBackgroundPalette = 0x3F00;  // $3F00-$3F0F, sprites $3F10-$3F1F

}  // namespace pelmora::ppu_address
