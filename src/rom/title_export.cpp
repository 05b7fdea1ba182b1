#include "rom/title_export.h"

#include <algorithm>
#include <string>

#include "rom/ppu_update_list.h"
#include "rom/rom_word.h"
#include "rom/title_layout.h"

namespace pelmora {
namespace {

constexpr std::uint16_t kNameTable0 = 0x2000;
constexpr std::uint16_t kAttributeTable0 = 0x23C0;
constexpr std::uint16_t kNameTable2Row24 = 0x2B00;
constexpr std::uint16_t kBackgroundPalette = 0x3F00;
constexpr std::uint8_t kRowControl = 0x20;      // step +1, no repeat, 32 bytes
constexpr std::uint8_t kPaletteControl = 0x10;  // step +1, no repeat, 16 bytes
constexpr std::uint8_t kCpuBankBase = 0xC0;     // lists are reached through the $C000 window
constexpr int kList35Rows = 5;

void appendRecord(std::vector<std::uint8_t>& list, std::uint16_t address, std::uint8_t control,
                  const std::uint8_t* data, std::size_t count) {
  list.push_back(static_cast<std::uint8_t>(address / 256));
  list.push_back(static_cast<std::uint8_t>(address & 0xFF));
  list.push_back(control);
  list.insert(list.end(), data, data + count);
}

// Every write of the export goes through here; the bounds were checked for the whole layout
// before the first write, so a failure here means the layout itself is wrong.
Status writeBytes(std::vector<std::uint8_t>& body, std::int32_t offset, const std::uint8_t* data,
                  std::size_t count) {
  if (offset < 0 || static_cast<std::size_t>(offset) + count > body.size()) {
    return outOfRange("a write of " + std::to_string(count) + " bytes at body offset " +
                      std::to_string(offset) + " lies outside the image (" +
                      std::to_string(body.size()) + " bytes)");
  }
  std::copy_n(data, count, body.begin() + offset);
  return success();
}

Status writePointer(std::vector<std::uint8_t>& body, int slot, std::int32_t position) {
  const std::array<std::uint8_t, 2> pointer = titlePointerBytes(position);
  return writeBytes(body, title::slotPosition(slot), pointer.data(), pointer.size());
}

// Lists 8-35 in slot order from area A, moving to area B when a list would pass A's limit.
// List 35 is written as list 1: the palette block record, then list 35's own records.
Status exportNameTables(std::vector<std::uint8_t>& body, PpuImage& ppu, const Palette& romPal,
                        const std::array<std::uint8_t, kRowBytes>& savedRow) {
  std::int32_t position = title::kAreaA;
  for (std::int16_t slot = title::kFirstScreenSlot; slot <= title::kFirstListSlot; ++slot) {
    const bool paletteList = slot == title::kFirstListSlot;
    std::vector<std::uint8_t> list;
    if (paletteList) {
      std::array<std::uint8_t, kRowBytes> scratch{};
      std::copy_n(ppu.begin() + title::kRow23, kRowBytes, scratch.begin());
      std::copy(savedRow.begin(), savedRow.end(), ppu.begin() + title::kRow23);
      list = buildUpdateList(slot, ppu);
      std::copy(scratch.begin(), scratch.end(), ppu.begin() + title::kRow23);
    } else {
      list = buildUpdateList(slot, ppu);
    }
    const auto length = static_cast<std::int32_t>(list.size());
    if (position + length > title::kAreaALimit && position < title::kAreaB) position = title::kAreaB;

    std::vector<std::uint8_t> bytes;
    if (paletteList) appendRecord(bytes, kBackgroundPalette, kRowControl, romPal.data(), romPal.size());
    bytes.insert(bytes.end(), list.begin(), list.end());
    const int pointerSlot = paletteList ? title::kPaletteSlot : slot;
    if (Status written = writePointer(body, pointerSlot, position); !written) return written;
    if (Status written = writeBytes(body, position, bytes.data(), bytes.size()); !written) {
      return written;
    }
    position += static_cast<std::int32_t>(bytes.size());
  }
  return success();
}

Status exportPalettes(std::vector<std::uint8_t>& body, const EditorState& state) {
  const Expected<std::int32_t> block = readRomWord(body, title::slotPosition(title::kPaletteSlot),
                                                   true, title::kListWindow, title::kListBank);
  if (!block) return block.error();
  if (Status written = writeBytes(body, *block + title::kPaletteRecordHeader,
                                  state.romPalette.data(), state.romPalette.size());
      !written) {
    return written;
  }
  for (std::size_t set = 0; set < title::kAlternativeSets.size(); ++set) {
    if (Status written = writeBytes(body, title::kAlternativeSets[set],
                                    state.bkgPalettes.data() + kBackgroundSetEntries * (set + 1),
                                    kBackgroundSetEntries);
        !written) {
      return written;
    }
  }
  if (Status written = writeBytes(body, title::kCoinPalette, state.coinPalette.data(),
                                  state.coinPalette.size());
      !written) {
    return written;
  }
  const auto& call = state.coinEnabled ? title::kCoinCallOn : title::kCoinCallOff;
  for (const std::int32_t site : {title::kCoinCallFirst, title::kCoinCallSecond}) {
    if (Status written = writeBytes(body, site, call.data(), call.size()); !written) return written;
  }
  return success();
}

}  // namespace

std::array<std::uint8_t, 2> titlePointerBytes(std::int32_t position) {
  return {static_cast<std::uint8_t>(position & 0xFF),
          static_cast<std::uint8_t>(((position & 0x1F00) / 256) | kCpuBankBase)};
}

std::vector<std::uint8_t> buildUpdateList(std::int16_t slot, const PpuImage& ppu) {
  std::vector<std::uint8_t> list;
  auto row = [&](std::uint16_t address) {
    appendRecord(list, address, kRowControl, ppu.data() + address, kRowBytes);
  };
  if (slot >= 8 && slot <= 31) {
    row(static_cast<std::uint16_t>(kNameTable0 + 32 * (slot - 8)));
  } else if (slot == 32 || slot == 33) {
    row(static_cast<std::uint16_t>(kAttributeTable0 + 32 * (slot - 32)));
  } else if (slot == 34) {
    appendRecord(list, kBackgroundPalette, kPaletteControl, ppu.data() + kBackgroundPalette,
                 kBackgroundSetEntries);
  } else if (slot == 35) {
    row(title::kRow23);
    for (int k = 1; k < kList35Rows; ++k) row(static_cast<std::uint16_t>(kNameTable2Row24 + 32 * (k - 1)));
  } else {
    return list;  // no records and not even an end byte
  }
  list.push_back(kListEnd);
  return list;
}

Status exportTitleScreen(EditorState& state, RomImage& rom) {
  // Every position the layout writes lies below kExportEnd, so this one test guarantees that no
  // write below can fail half-way.
  if (rom.body.size() < static_cast<std::size_t>(title::kExportEnd)) {
    return outOfRange("the image body has " + std::to_string(rom.body.size()) +
                      " bytes; the title screen layout needs " + std::to_string(title::kExportEnd));
  }
  std::copy_n(state.bkgPalettes.begin(), kBackgroundSetEntries,
              state.ppuImage.begin() + kBackgroundPalette);
  if (Status lists = exportNameTables(rom.body, state.ppuImage, state.romPalette, state.stream35Row);
      !lists) {
    return lists;
  }
  return exportPalettes(rom.body, state);
}

}  // namespace pelmora
