#include "demo/demo_image.h"

#include <algorithm>
#include <stdexcept>

#include "demo/demo_colours.h"
#include "demo/demo_lists.h"
#include "demo/demo_screen.h"
#include "demo/demo_tiles.h"
#include "rom/title_export.h"
#include "rom/title_import.h"
#include "rom/title_layout.h"

namespace pelmora {
namespace {

constexpr std::uint8_t kPrgBanks = 16;  // 16 KiB each
constexpr std::uint8_t kChrBanks = 16;  // 8 KiB each
constexpr std::size_t kChrBank30 = std::size_t{kPrgBanks} * kPrgBankSize + 30 * demo::kChrBankBytes;

void writeHeader(RomImage& rom) {
  rom.header.fill(0);
  rom.header[0] = 'N';
  rom.header[1] = 'E';
  rom.header[2] = 'S';
  rom.header[3] = 0x1A;
  rom.header[4] = kPrgBanks;
  rom.header[5] = kChrBanks;
}

template <class Bytes>
void writeBytes(RomImage& rom, std::size_t offset, const Bytes& bytes) {
  std::copy(bytes.begin(), bytes.end(), rom.body.begin() + static_cast<std::ptrdiff_t>(offset));
}

// Pointer slot `slot` aimed at body `position` as the CPU sees bank 25 at $C000-$DFFF.
void writePointer(RomImage& rom, int slot, std::int32_t position) {
  const auto at = static_cast<std::size_t>(title::slotPosition(slot));
  rom.body[at] = static_cast<std::uint8_t>(position & 0xFF);
  rom.body[at + 1] = static_cast<std::uint8_t>(0xC0 | ((position >> 8) & 0x1F));
}

// Hands out room in the two list areas, first fit, in the order asked.
class ListPlacer {
 public:
  std::int32_t place(std::size_t length) {
    for (Area& area : areas_) {
      if (area.next + static_cast<std::int32_t>(length) <= area.end) {
        const std::int32_t position = area.next;
        area.next += static_cast<std::int32_t>(length);
        return position;
      }
    }
    throw std::logic_error("demo image: the title lists do not fit their areas");
  }

 private:
  struct Area {
    std::int32_t next;
    std::int32_t end;
  };
  std::array<Area, 2> areas_ = {{{demo::kListAreaFirst, demo::kListAreaFirstEnd},
                                 {demo::kListAreaSecond, demo::kListAreaSecondEnd}}};
};

void writeTitleLists(RomImage& rom, DemoLayout& layout, const demo::DemoScreen& screen) {
  const auto lists = demo::encodeDemoLists(screen, demo::kRomPalette);
  ListPlacer placer;
  for (int slot = 0; slot < demo::kTitleSlots; ++slot) {
    const auto& list = lists[static_cast<std::size_t>(slot)];
    if (list.empty()) continue;
    const std::int32_t position =
        slot == title::kFirstListSlot ? title::kExportedList35 : placer.place(list.size());
    writeBytes(rom, static_cast<std::size_t>(position), list);
    writePointer(rom, slot, position);
    layout.listOffset[static_cast<std::size_t>(slot)] = position;
    layout.listLength[static_cast<std::size_t>(slot)] = static_cast<std::int32_t>(list.size());
  }
}

void writePalettes(RomImage& rom) {
  for (std::size_t set = 0; set < title::kAlternativeSets.size(); ++set) {
    writeBytes(rom, static_cast<std::size_t>(title::kAlternativeSets[set]),
               demo::kAlternativeBackgrounds[set]);
  }
  writeBytes(rom, title::kCoinPalette, demo::kCoinPalette);
  writeBytes(rom, title::kCoinCallFirst, title::kCoinCallOn);
  writeBytes(rom, title::kCoinCallSecond, title::kCoinCallOn);
}

// Where Save put each list the hand-written image had: the pointers it wrote, and the lengths
// of the lists it encodes (list 1 is the palette block record running on into list 35's records).
DemoLayout savedLayout(const RomImage& rom, const EditorState& state, const DemoLayout& written) {
  DemoLayout saved;
  const auto list35 = static_cast<std::int32_t>(
      buildUpdateList(title::kFirstListSlot, state.ppuImage).size());
  for (int slot = 0; slot < demo::kTitleSlots; ++slot) {
    const auto index = static_cast<std::size_t>(slot);
    if (written.listLength[index] == 0) continue;
    saved.listOffset[index] = *titleListOffset(rom.body, slot);
    saved.listLength[index] =
        slot == title::kPaletteSlot
            ? title::kPaletteRecordHeader + static_cast<std::int32_t>(kPaletteEntries) + list35
            : static_cast<std::int32_t>(
                  buildUpdateList(static_cast<std::int16_t>(slot), state.ppuImage).size());
  }
  return saved;
}

}  // namespace

RomImage buildDemoImageWithVariedLists(DemoLayout* layout) {
  RomImage rom;
  writeHeader(rom);
  rom.body.assign(demo::kDemoBodySize, 0);

  const demo::DemoTiles tiles = demo::drawDemoTiles();
  writeBytes(rom, kChrBank30, tiles.chr);

  DemoLayout placed;
  writeTitleLists(rom, placed, demo::composeDemoScreen(tiles));
  writePalettes(rom);
  if (layout != nullptr) *layout = placed;
  return rom;
}

// The hand-written image opened, its lists cleared, and saved as the editor saves: nothing is
// left of the hand-written lists, and Save finds its own lists already in place.
RomImage buildDemoImage(DemoLayout* layout) {
  DemoLayout written;
  RomImage rom = buildDemoImageWithVariedLists(&written);
  EditorState state;
  if (!importTitleScreen(rom, state))
    throw std::logic_error("demo image: the hand-written lists do not import");
  for (std::size_t slot = 0; slot < written.listOffset.size(); ++slot) {
    const auto first = rom.body.begin() + written.listOffset[slot];
    std::fill(first, first + written.listLength[slot], std::uint8_t{0});
  }
  if (!exportTitleScreen(state, rom)) throw std::logic_error("demo image: the export failed");
  if (layout != nullptr) *layout = savedLayout(rom, state, written);
  return rom;
}

}  // namespace pelmora
