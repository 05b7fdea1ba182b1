#include "rom/title_import.h"

#include <algorithm>
#include <memory>
#include <string>

#include "rom/chr_tiles.h"
#include "rom/ppu_update_list.h"
#include "rom/rom_word.h"
#include "rom/title_layout.h"
#include "state/ppu_map.h"

namespace pelmora {
namespace {

// Copies `count` bytes from body `offset` into `out`, or reports what was out of range.
Status readBytes(const std::vector<std::uint8_t>& body, std::int64_t offset, std::size_t count,
                 std::uint8_t* out, const char* what) {
  if (offset < 0 || offset + static_cast<std::int64_t>(count) > static_cast<std::int64_t>(body.size())) {
    return outOfRange(std::string(what) + " at body offset " + std::to_string(offset) + " (" +
                      std::to_string(count) + " bytes) lies outside the image (" +
                      std::to_string(body.size()) + " bytes)");
  }
  std::copy_n(body.begin() + offset, count, out);
  return success();
}

Status playSlot(const std::vector<std::uint8_t>& body, int slot, PpuImage& ppu) {
  const Expected<std::int32_t> start = titleListOffset(body, slot);
  if (!start) return start.error();
  std::int64_t offset = *start;
  const Status played = playUpdateList(body, offset, ppu);
  if (!played) return outOfRange("title list " + std::to_string(slot) + ": " + played.error().what);
  return success();
}

}  // namespace

Expected<std::int32_t> titleListOffset(const std::vector<std::uint8_t>& body, int slot) {
  const Expected<std::int32_t> offset =
      readRomWord(body, title::slotPosition(slot), true, title::kListWindow, title::kListBank);
  if (!offset) return outOfRange("title pointer " + std::to_string(slot) + ": " + offset.error().what);
  return offset;
}

Status importNameTables(const std::vector<std::uint8_t>& body, PpuImage& ppu,
                        std::array<std::uint8_t, kRowBytes>& savedRow) {
  ppu.fill(0);
  for (std::uint16_t table = 0; table < 4; ++table) {
    std::fill_n(ppu.begin() + ppu_address::kNameTable0 + table * ppu_address::kNameTableStride, ppu_address::kNameTableTiles,
                title::kBlankTile);
  }
  if (Status played = playSlot(body, title::kFirstListSlot, ppu); !played) return played;
  std::copy_n(ppu.begin() + title::kRow23, kRowBytes, savedRow.begin());
  for (int slot = title::kFirstScreenSlot; slot <= title::kLastScreenSlot; ++slot) {
    if (Status played = playSlot(body, slot, ppu); !played) return played;
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
  // Everything is read into scratch copies first, so a failure leaves the caller's state
  // untouched.
  TileSheet sheet;
  if (Status tiles = loadChrBank(rom, sheet, title::kTitleChrBank, title::kTitleChrSizeCode); !tiles) {
    return outOfRange("the title tiles (CHR bank 30): " + tiles.error().what);
  }
  std::unique_ptr<PpuImage> ppu(new PpuImage);  // importNameTables clears it
  std::array<std::uint8_t, kRowBytes> savedRow{};
  if (Status screens = importNameTables(rom.body, *ppu, savedRow); !screens) return screens;
  Palette romPalette{};
  std::array<std::uint8_t, kBackgroundSets * kBackgroundSetEntries> bkgPalettes{};
  std::array<std::uint8_t, kCoinEntries> coinPalette{};
  bool coinEnabled = false;
  if (Status palettes = importPalettes(rom.body, romPalette, bkgPalettes, coinPalette, coinEnabled);
      !palettes) {
    return palettes;
  }
  std::copy_n(ppu->begin() + ppu_address::kBackgroundPalette, kBackgroundSetEntries, bkgPalettes.begin());

  state.tileSheet = std::move(sheet);
  state.ppuImage = *ppu;
  state.stream35Row = savedRow;
  state.romPalette = romPalette;
  state.bkgPalettes = bkgPalettes;
  state.coinPalette = coinPalette;
  state.coinEnabled = coinEnabled;
  state.viewPalette = romPalette;
  return success();
}

}  // namespace pelmora
