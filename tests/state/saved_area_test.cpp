// The cells Save carries are exactly those whose change reaches the exported image, at the
// offset the readout names.
#include <gtest/gtest.h>

#include "demo/demo_image.h"
#include "state/saved_area.h"
#include "rom/title_export.h"
#include "rom/title_import.h"
#include "state/ppu_map.h"

namespace pelmora {
namespace {

// Exports the demo with one PPU byte changed and returns the body offsets that differ from an
// export without the change.
std::vector<std::int32_t> offsetsChangedBy(std::uint16_t address) {
  RomImage rom = buildDemoImage();
  EditorState state;
  EXPECT_TRUE(importTitleScreen(rom, state));
  RomImage plain = rom;
  EditorState unchanged = state;
  EXPECT_TRUE(exportTitleScreen(unchanged, plain));
  state.ppuImage[address] ^= 0x5A;
  EXPECT_TRUE(exportTitleScreen(state, rom));
  std::vector<std::int32_t> changed;
  for (std::size_t i = 0; i < rom.body.size(); ++i) {
    if (rom.body[i] != plain.body[i]) changed.push_back(static_cast<std::int32_t>(i));
  }
  return changed;
}

TEST(SavedArea, EveryCellIsSavedWhereItSaysOrNowhere) {
  for (const int nameTable : {0, 2}) {
    const std::uint16_t base = nameTable == 0 ? ppu_address::kNameTable0 : ppu_address::kNameTable2;
    for (int row = 0; row < kScreenRows; ++row) {
      for (const int column : {0, 17, 31}) {
        const auto offset = savedTileOffset(nameTable, column, row);
        EXPECT_EQ(offset.has_value(), isTileRowCarried(nameTable, row));
        const auto changed = offsetsChangedBy(static_cast<std::uint16_t>(base + row * 32 + column));
        if (offset) {
          EXPECT_EQ(changed, std::vector<std::int32_t>{*offset}) << nameTable << " " << row;
        } else {
          EXPECT_TRUE(changed.empty()) << nameTable << " " << row;
        }
      }
    }
  }
  for (const int index : {0, 31, 32, 63}) {
    const auto changed = offsetsChangedBy(static_cast<std::uint16_t>(ppu_address::kAttributeTable0 + index));
    EXPECT_EQ(changed, std::vector<std::int32_t>{*savedAttributeOffset(0, index)});
    EXPECT_TRUE(offsetsChangedBy(static_cast<std::uint16_t>(0x2BC0 + index)).empty());
    EXPECT_FALSE(savedAttributeOffset(2, index));
  }
}

TEST(SavedArea, RefusalsSayWhichRow) {
  EXPECT_EQ(tileRowNotCarriedReason(0, 26), "Row 26 of name table 0 is not stored in the ROM.");
  EXPECT_EQ(attributeTableNotCarriedReason(2),
            "The attribute table of name table 2 is not stored in the ROM.");
}

}  // namespace
}  // namespace pelmora
