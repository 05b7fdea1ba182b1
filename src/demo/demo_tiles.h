#pragma once

#include <array>
#include <cstdint>

namespace pelmora::demo {

// Tile numbers of the demo's title tiles in CHR bank 30.
namespace tile {
constexpr std::uint8_t kDigitZero = 0x00;  // '0'-'9' at 0x00-0x09
constexpr std::uint8_t kLetterA = 0x0A;    // 'A'-'Z' at 0x0A-0x23
constexpr std::uint8_t kPeriod = 0x24;
constexpr std::uint8_t kDash = 0x25;
constexpr std::uint8_t kExclamation = 0x26;

// A rounded frame, cut from one 3 x 3-tile drawing.
constexpr std::uint8_t kFrameTopLeft = 0x30;
constexpr std::uint8_t kFrameTop = 0x31;
constexpr std::uint8_t kFrameTopRight = 0x32;
constexpr std::uint8_t kFrameLeft = 0x33;
constexpr std::uint8_t kFrameRight = 0x34;
constexpr std::uint8_t kFrameBottomLeft = 0x35;
constexpr std::uint8_t kFrameBottom = 0x36;
constexpr std::uint8_t kFrameBottomRight = 0x37;

// Shaded blocks.
constexpr std::uint8_t kBlockDark = 0x38;        // solid colour 1
constexpr std::uint8_t kBlockMid = 0x39;         // solid colour 2
constexpr std::uint8_t kBlockLight = 0x3A;       // solid colour 3
constexpr std::uint8_t kBlockBevel = 0x3B;       // raised block: light top-left, dark bottom-right
constexpr std::uint8_t kBlockCheckDark = 0x3C;   // checkerboard of colours 1 and 2
constexpr std::uint8_t kBlockCheckLight = 0x3D;  // checkerboard of colours 2 and 3
constexpr std::uint8_t kBlockStripes = 0x3E;     // diagonal stripes
constexpr std::uint8_t kBlockRamp = 0x3F;        // light at the top, dark at the bottom

constexpr std::uint8_t kLogoFirst = 0x40;  // the logo's tiles, numbered as they are first met
constexpr std::uint8_t kBlank = 0xFC;      // what the name tables hold before the lists play
constexpr std::uint8_t kSparkle = 0xFD;
}  // namespace tile

constexpr int kLogoColumns = 22;  // the logo spans 22 x 4 tiles
constexpr int kLogoRows = 4;
constexpr std::size_t kChrBankBytes = 4096;  // 256 tiles of 16 bytes

struct DemoTiles {
  std::array<std::uint8_t, kChrBankBytes> chr{};              // CHR bank 30 in pattern format
  std::array<std::uint8_t, kLogoColumns * kLogoRows> logo{};  // the logo's tile numbers, by rows
};

// Draws every title tile: the font, the frame, the shaded blocks, the sparkle and the logo
// spelling PELMORA. Unused tile numbers stay empty.
DemoTiles drawDemoTiles();

// The tile of a character of the small font: digits, upper-case letters, '.', '-' and '!'.
// Anything else, a space included, is the blank tile.
std::uint8_t fontTile(char character);

}  // namespace pelmora::demo
