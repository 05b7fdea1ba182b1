#include "rom/title_export.h"

#include <algorithm>
#include <string>

#include "rom/chr_tiles.h"
#include "rom/ppu_update_list.h"
#include "rom/rom_word.h"
#include "rom/title_layout.h"
#include "state/hex_caption.h"
#include "state/ppu_map.h"

namespace pelmora {
namespace {

using ppu_address::kAttributeTable0;
using ppu_address::kBackgroundPalette;
using ppu_address::kNameTable0;
constexpr std::uint16_t kNameTable2Row24 = ppu_address::kNameTable2 + 24 * 32;
constexpr std::uint8_t kRowControl = 0x20;      // step +1, no repeat, 32 bytes
constexpr std::uint8_t kPaletteControl = 0x10;  // step +1, no repeat, 16 bytes
constexpr std::uint8_t kCpuBankBase = 0xC0;     // lists are reached through the $C000 window
constexpr int kList35Rows = 5;

// One record: address high, address low, control, then `count` data bytes. Returns the end.
std::uint8_t* putRecord(std::uint8_t* out, std::uint16_t address, std::uint8_t control,
                        const std::uint8_t* data, std::size_t count) {
  *out++ = static_cast<std::uint8_t>(address / 256);
  *out++ = static_cast<std::uint8_t>(address & 0xFF);
  *out++ = control;
  return std::copy_n(data, count, out);
}

constexpr std::size_t kRowRecordLength = 3 + kRowBytes;
constexpr std::size_t kPaletteRecordLength = 3 + kBackgroundSetEntries;

// The fixed length of a slot's list, end byte included; 0 for slots without a list.
std::size_t updateListLength(std::int16_t slot) {
  if (slot >= 8 && slot <= 33) return kRowRecordLength + 1;
  if (slot == 34) return kPaletteRecordLength + 1;
  if (slot == 35) return kList35Rows * kRowRecordLength + 1;
  return 0;
}

// Encodes a slot's list at `out` (updateListLength(slot) bytes). Row 23 of list 35 comes from
// `row23`, which is the PPU image's own row unless the caller passes the carried row.
void encodeUpdateList(std::int16_t slot, const PpuImage& ppu, const std::uint8_t* row23,
                      std::uint8_t* out) {
  if (slot >= 8 && slot <= 31) {
    const auto address = static_cast<std::uint16_t>(kNameTable0 + 32 * (slot - 8));
    out = putRecord(out, address, kRowControl, ppu.data() + address, kRowBytes);
  } else if (slot == 32 || slot == 33) {
    const auto address = static_cast<std::uint16_t>(kAttributeTable0 + 32 * (slot - 32));
    out = putRecord(out, address, kRowControl, ppu.data() + address, kRowBytes);
  } else if (slot == 34) {
    out = putRecord(out, kBackgroundPalette, kPaletteControl, ppu.data() + kBackgroundPalette,
                    kBackgroundSetEntries);
  } else if (slot == 35) {
    out = putRecord(out, title::kRow23, kRowControl, row23, kRowBytes);
    for (int k = 1; k < kList35Rows; ++k) {
      const auto address = static_cast<std::uint16_t>(kNameTable2Row24 + 32 * (k - 1));
      out = putRecord(out, address, kRowControl, ppu.data() + address, kRowBytes);
    }
  } else {
    return;  // no records and not even an end byte
  }
  *out = kListEnd;
}

void writePointer(std::vector<std::uint8_t>& body, int slot, std::int32_t position) {
  const std::array<std::uint8_t, 2> pointer = titlePointerBytes(position);
  std::copy(pointer.begin(), pointer.end(), body.begin() + title::slotPosition(slot));
}

// Lists 8-35 in slot order from area A, moving to area B when a list would pass A's limit.
// List 35 is written as list 1: the palette block record, then list 35's own records, whose
// row 23 is the carried stream35Row rather than the PPU image's row.
void exportNameTables(std::vector<std::uint8_t>& body, const PpuImage& ppu, const Palette& romPal,
                      const std::array<std::uint8_t, kRowBytes>& savedRow) {
  std::int32_t position = title::kAreaA;
  for (std::int16_t slot = title::kFirstScreenSlot; slot <= title::kFirstListSlot; ++slot) {
    const auto length = static_cast<std::int32_t>(updateListLength(slot));
    if (position + length > title::kAreaALimit && position < title::kAreaB) position = title::kAreaB;
    std::uint8_t* out = body.data() + position;
    if (slot == title::kFirstListSlot) {
      writePointer(body, title::kPaletteSlot, position);
      out = putRecord(out, kBackgroundPalette, kRowControl, romPal.data(), romPal.size());
      position += static_cast<std::int32_t>(kRowRecordLength);
    } else {
      writePointer(body, slot, position);
    }
    encodeUpdateList(slot, ppu, savedRow.data(), out);
    position += length;
  }
}

void exportPalettes(std::vector<std::uint8_t>& body, const EditorState& state) {
  // Slot 1 has just been rewritten, so this finds the palette block record written above.
  const std::int32_t block = *readRomWord(body, title::slotPosition(title::kPaletteSlot), true,
                                          title::kListWindow, title::kListBank);
  std::copy(state.romPalette.begin(), state.romPalette.end(),
            body.begin() + block + title::kPaletteRecordHeader);
  for (std::size_t set = 0; set < title::kAlternativeSets.size(); ++set) {
    const auto first = state.bkgPalettes.begin() + kBackgroundSetEntries * (set + 1);
    std::copy_n(first, kBackgroundSetEntries, body.begin() + title::kAlternativeSets[set]);
  }
  std::copy(state.coinPalette.begin(), state.coinPalette.end(), body.begin() + title::kCoinPalette);
  const auto& call = state.coinEnabled ? title::kCoinCallOn : title::kCoinCallOff;
  for (const std::int32_t site : {title::kCoinCallFirst, title::kCoinCallSecond}) {
    std::copy(call.begin(), call.end(), body.begin() + site);
  }
}

// The title's tile bank must lie inside the image and the sheet must hold all its tiles.
Status checkTitleTilesFit(const TileSheet& sheet, const RomImage& rom) {
  const std::int64_t start = chrBankStart(rom, title::kTitleChrBank, title::kTitleChrSizeCode);
  const std::int64_t end = start + static_cast<std::int64_t>(kSheetTiles * kChrTileBytes);
  if (end > static_cast<std::int64_t>(rom.body.size())) {
    return outOfRange("the image body ends at " + hexOffset(static_cast<std::int64_t>(rom.body.size())) +
                      "; the title's tile bank reaches " + hexOffset(end));
  }
  if (sheet.size() != kSheetTiles * kTilePixels) {
    return outOfRange("the tile sheet holds " + std::to_string(sheet.size()) + " pixels, not " +
                      std::to_string(kSheetTiles * kTilePixels));
  }
  return success();
}

}  // namespace

std::array<std::uint8_t, 2> titlePointerBytes(std::int32_t position) {
  return {static_cast<std::uint8_t>(position & 0xFF),
          static_cast<std::uint8_t>(((position & 0x1F00) / 256) | kCpuBankBase)};
}

std::vector<std::uint8_t> buildUpdateList(std::int16_t slot, const PpuImage& ppu) {
  std::vector<std::uint8_t> list(updateListLength(slot));
  encodeUpdateList(slot, ppu, ppu.data() + title::kRow23, list.data());
  return list;
}

Status exportTitleScreen(EditorState& state, RomImage& rom) {
  // The layout is fixed: every byte it writes lies below kExportEnd (the tests check the
  // highest one), so this test and the tile bank's own guarantee that no write below leaves
  // the image.
  if (rom.body.size() < static_cast<std::size_t>(title::kExportEnd)) {
    return outOfRange("the image body ends at " + hexOffset(static_cast<std::int64_t>(rom.body.size())) +
                      "; the title screen layout reaches " + hexOffset(title::kExportEnd));
  }
  if (Status tiles = checkTitleTilesFit(state.tileSheet, rom); !tiles) return tiles;
  // The tiles go first: in an image whose tile bank overlaps bank 25 the title lists win.
  storeChrBank(state.tileSheet, rom, title::kTitleChrBank, title::kTitleChrSizeCode);
  std::copy_n(state.bkgPalettes.begin(), kBackgroundSetEntries,
              state.ppuImage.begin() + kBackgroundPalette);
  exportNameTables(rom.body, state.ppuImage, state.romPalette, state.stream35Row);
  exportPalettes(rom.body, state);
  return success();
}

}  // namespace pelmora
