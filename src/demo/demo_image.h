#pragma once

#include <array>
#include <cstdint>

#include "rom/rom_image.h"

namespace pelmora {

// Where the demo builder put the lists it wrote, so tests can make variants of the image
// (a byte changed, a list truncated, the image cut short).
struct DemoLayout {
  std::array<std::int32_t, 36> listOffset{};  // body offset of the list behind each used slot
  std::array<std::int32_t, 36> listLength{};  // its length including the end byte
};

// The stretches of PRG bank 25 that hold the hand-written lists' palette block record and lists
// 8-34, clear of the areas the export writes and of the alternative background sets. List 35
// alone lies where the export puts its own list 35.
namespace demo {
constexpr std::int32_t kListAreaFirst = 0x32630;
constexpr std::int32_t kListAreaFirstEnd = 0x3276D;  // one past; the export's area A starts here
constexpr std::int32_t kListAreaSecond = 0x32B02;
constexpr std::int32_t kListAreaSecondEnd = 0x33520;  // one past; the export's area B starts here
constexpr std::size_t kDemoBodySize = 0x60000;        // 256 KiB PRG + 128 KiB CHR
}  // namespace demo

// A complete synthetic image in the game's layout with original art of the project's own:
// "NES" header (byte 3 = 0x1A, 16 PRG banks, 16 x 8 KiB CHR), the title pointer table with
// slot 1 and slots 8-35 pointing at update lists in PRG bank 25, the palette block, the
// alternative background sets, the coin palette, both coin calls switched on, and the title
// tiles in CHR bank 30. The lists lie exactly where Save writes them and as Save encodes them
// (slot 35 points at body 0x335E7), so saving the demo unedited changes no byte and a patch of
// an edit holds only the edit. The same bytes on every call.
RomImage buildDemoImage(DemoLayout* layout = nullptr);

// The same screen, palettes and tiles as the demo, with the lists written by hand the way the
// game's own are: between them they use every record form (plain and repeat runs, step-32 runs
// of both kinds, count fields of 0, addresses with the top bits set, empty lists), placed clear
// of the areas Save writes; only list 35 lies where Save puts its own. Opening and saving this
// image gives buildDemoImage's lists.
RomImage buildDemoImageWithVariedLists(DemoLayout* layout = nullptr);

}  // namespace pelmora
