#include "edit/single_edits.h"

#include <gtest/gtest.h>

#include "edit/screen_cells.h"

namespace pelmora {
namespace {

TEST(PlaceTileCommand, OnlyCellsSaveCarriesAcceptATileAtEveryBorder) {
  EditorState state;
  state.selectedTile = 0x42;
  struct Case {
    int nameTable, row;
    bool carried;
  };
  for (const Case& c : {Case{0, 0, true}, Case{0, 23, true}, Case{0, 24, false}, Case{0, 29, false},
                        Case{2, 0, false}, Case{2, 23, false}, Case{2, 24, true}, Case{2, 27, true},
                        Case{2, 28, false}, Case{2, 29, false}}) {
    const auto command = placeTileCommand(state, c.nameTable, {31, c.row});
    EXPECT_EQ(command.hasValue(), c.carried) << "name table " << c.nameTable << " row " << c.row;
    if (command) {
      ASSERT_EQ(command.value().changes().size(), 1u);
      EXPECT_EQ(command.value().changes()[0].index, tileAddress(c.nameTable, {31, c.row}));
      EXPECT_EQ(command.value().changes()[0].after, 0x42);
    }
  }
  EXPECT_EQ(placeTileCommand(state, 0, {5, 26}).error().what,
            "Row 26 of name table 0 is not stored in the ROM.");
  EXPECT_FALSE(placeTileCommand(state, 0, {32, 0}));
  EXPECT_FALSE(placeTileCommand(state, 0, {0, -1}));
}

TEST(SetAttributeCommand, OnlyNameTable0TakesAttributes) {
  EditorState state;
  state.attrPaletteSel = 2;
  const auto accepted = setAttributeCommand(state, 0, {15, 14});
  ASSERT_TRUE(accepted);
  EXPECT_EQ(accepted.value().changes()[0].index, 0x23C0u + 63);
  EXPECT_EQ(accepted.value().changes()[0].after, 2 << 2) << "top-right quadrant of the last byte";
  EXPECT_EQ(setAttributeCommand(state, 2, {0, 0}).error().what,
            "The attribute table of name table 2 is not stored in the ROM.");
  EXPECT_FALSE(setAttributeCommand(state, 0, {0, 15})) << "below the screen";
}

TEST(PickTile, SelectsTheTileUnderTheCellOnEitherScreen) {
  EditorState state;
  state.ppuImage[tileAddress(2, {4, 29})] = 0x9A;
  EXPECT_TRUE(pickTile(state, 2, {4, 29})) << "picking works on cells Save does not carry";
  EXPECT_EQ(state.selectedTile, 0x9A);
  EXPECT_FALSE(pickTile(state, 0, {4, 30}));
  EXPECT_EQ(state.selectedTile, 0x9A);
}

}  // namespace
}  // namespace pelmora
