#include "rom/title_import.h"

#include <algorithm>
#include <string>

#include "rom/chr_tiles.h"
#include "rom/ppu_update_list.h"
#include "rom/rom_word.h"
#include "rom/title_layout.h"
#include "state/hex_caption.h"
#include "state/ppu_map.h"

#include <cctype>
#include <cstdio>

namespace pelmora {
namespace {

// Copies `count` bytes from body `offset` into `out`, or reports what was out of range.
Status readBytes(const std::vector<std::uint8_t>& body, std::int64_t offset, std::size_t count,
                 std::uint8_t* out, const char* what) {
  if (offset < 0 || offset + static_cast<std::int64_t>(count) > static_cast<std::int64_t>(body.size())) {
    std::string subject = what;
    subject.front() = static_cast<char>(std::toupper(static_cast<unsigned char>(subject.front())));
    return outOfRange(subject + " (" + std::to_string(count) + " bytes at body offset " +
                      hexOffset(offset) + ") lies outside the image, which ends at " +
                      hexOffset(static_cast<std::int64_t>(body.size())) + ".");
  }
  std::copy_n(body.begin() + offset, count, out);
  return success();
}

// Plays the list behind title pointer `slot` into `ppu`, or with a null `ppu` only checks that
// it can be played.
Status walkSlot(const std::vector<std::uint8_t>& body, int slot, PpuImage* ppu) {
  const Expected<std::int32_t> start = titleListOffset(body, slot);
  if (!start) return start.error();
  std::int64_t offset = *start;
  const Status walked =
      ppu != nullptr ? playUpdateList(body, offset, *ppu) : checkUpdateList(body, offset);
  if (!walked) {
    return outOfRange("Title list " + std::to_string(slot) + " " + walked.error().what + ".");
  }
  return success();
}

// List 35 first, then 8-34: later lists overwrite earlier ones where they meet.
constexpr std::array<int, 28> kPlayingOrder = [] {
  std::array<int, 28> order{title::kFirstListSlot};
  for (int slot = title::kFirstScreenSlot; slot <= title::kLastScreenSlot; ++slot) {
    order[static_cast<std::size_t>(slot - title::kFirstScreenSlot + 1)] = slot;
  }
  return order;
}();

}  // namespace

Expected<std::int32_t> titleListOffset(const std::vector<std::uint8_t>& body, int slot) {
  const Expected<std::int32_t> offset =
      readRomWord(body, title::slotPosition(slot), true, title::kListWindow, title::kListBank);
  if (!offset) return outOfRange("Title pointer " + std::to_string(slot) + " " + offset.error().what + ".");
  return offset;
}

Status importNameTables(const std::vector<std::uint8_t>& body, PpuImage& ppu,
                        std::array<std::uint8_t, kRowBytes>& savedRow) {
  // Every list is checked before the first write, so a damaged image changes nothing.
  for (const int slot : kPlayingOrder) {
    if (Status checked = walkSlot(body, slot, nullptr); !checked) return checked;
  }
  ppu.fill(0);
  for (std::uint16_t table = 0; table < 4; ++table) {
    const auto first = ppu.begin() + ppu_address::kNameTable0 + table * ppu_address::kNameTableStride;
    std::fill_n(first, ppu_address::kNameTableTiles, title::kBlankTile);
  }
  for (const int slot : kPlayingOrder) {
    if (Status played = walkSlot(body, slot, &ppu); !played) return played;
    if (slot == title::kFirstListSlot) {
      std::copy_n(ppu.begin() + title::kRow23, kRowBytes, savedRow.begin());
    }
  }
  return success();
}

Status importPalettes(const std::vector<std::uint8_t>& body, Palette& romPal,
                      std::array<std::uint8_t, kBackgroundSets * kBackgroundSetEntries>& bkgSets,
                      std::array<std::uint8_t, kCoinEntries>& coinPal, bool& coinFlag) {
  const Expected<std::int32_t> block = titleListOffset(body, title::kPaletteSlot);
  if (!block) return block.error();
  if (Status read = readBytes(body, std::int64_t{*block} + title::kPaletteRecordHeader,
                              romPal.size(), romPal.data(), "the palette block");
      !read) {
    return read;
  }
  for (std::size_t set = 0; set < title::kAlternativeSets.size(); ++set) {
    if (Status read = readBytes(body, title::kAlternativeSets[set], kBackgroundSetEntries,
                                bkgSets.data() + kBackgroundSetEntries * (set + 1),
                                "an alternative background set");
        !read) {
      return read;
    }
  }
  if (Status read = readBytes(body, title::kCoinPalette, coinPal.size(), coinPal.data(),
                              "the coin palette");
      !read) {
    return read;
  }
  std::uint8_t coinSwitch = 0;
  if (Status read = readBytes(body, title::kCoinCallFirst, 1, &coinSwitch, "the coin switch"); !read) {
    return read;
  }
  coinFlag = coinSwitch == title::kOpcodeJsr;
  return success();
}

Status importTitleScreen(const RomImage& rom, EditorState& state) {
  // The steps that can fail run first into scratch copies; the name tables, which check every
  // list before they write, come last. A failure therefore leaves the state untouched.
  TileSheet sheet;
  if (Status tiles = loadChrBank(rom, sheet, title::kTitleChrBank, title::kTitleChrSizeCode); !tiles) {
    return outOfRange("The title tiles (CHR bank 30): " + tiles.error().what);
  }
  Palette romPalette{};
  std::array<std::uint8_t, kBackgroundSets * kBackgroundSetEntries> bkgPalettes{};
  std::array<std::uint8_t, kCoinEntries> coinPalette{};
  bool coinEnabled = false;
  if (Status palettes = importPalettes(rom.body, romPalette, bkgPalettes, coinPalette, coinEnabled);
      !palettes) {
    return palettes;
  }
  if (Status screens = importNameTables(rom.body, state.ppuImage, state.stream35Row); !screens) {
    return screens;
  }
  std::copy_n(state.ppuImage.begin() + ppu_address::kBackgroundPalette, kBackgroundSetEntries,
              bkgPalettes.begin());
  state.tileSheet = std::move(sheet);
  state.romPalette = romPalette;
  state.bkgPalettes = bkgPalettes;
  state.coinPalette = coinPalette;
  state.coinEnabled = coinEnabled;
  state.viewPalette = romPalette;
  return success();
}

}  // namespace pelmora
