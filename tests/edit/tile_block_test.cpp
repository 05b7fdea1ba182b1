#include "edit/tile_block.h"

#include <gtest/gtest.h>

#include <random>

#include "edit/clipboard_text.h"
#include "edit/screen_cells.h"

namespace pelmora {
namespace {

// A state whose tile numbers say where they are: row * 8 + column (mod 256).
EditorState numberedScreens() {
  EditorState state;
  for (int nameTable : {0, 2}) {
    for (int row = 0; row < 30; ++row) {
      for (int column = 0; column < 32; ++column) {
        state.ppuImage[tileAddress(nameTable, {column, row})] =
            static_cast<std::uint8_t>(row * 8 + column);
      }
    }
  }
  return state;
}

TEST(TileBlock, CopyIsClippedToTheScreen) {
  const EditorState state = numberedScreens();
  const TileBlock block = copyBlock(state, 0, rectBetween({33, 31}, {30, 28}));
  EXPECT_EQ(block.width, 2);
  EXPECT_EQ(block.height, 2);
  EXPECT_EQ(block.tiles, (std::vector<std::uint8_t>{0xFE, 0xFF, 0x06, 0x07}));
  EXPECT_TRUE(copyBlock(state, 0, {40, 0, 3, 3}).empty());
}

TEST(TileBlock, PasteIsClippedToTheScreenAndToTheCellsSaveCarries) {
  const EditorState state = numberedScreens();
  const TileBlock block{3, 3, {1, 2, 3, 4, 5, 6, 7, 8, 9}};
  // Name table 2 carries rows 24-27: at (30, 26) only columns 30-31 of rows 26-27 take it.
  const auto pasted = pasteCommand(state, 2, {30, 26}, block);
  ASSERT_TRUE(pasted);
  std::vector<std::pair<std::uint32_t, int>> written;
  for (const ByteChange& change : pasted.value().changes()) written.emplace_back(change.index, change.after);
  EXPECT_EQ(written, (std::vector<std::pair<std::uint32_t, int>>{{tileAddress(2, {30, 26}), 1},
                                                                 {tileAddress(2, {31, 26}), 2},
                                                                 {tileAddress(2, {30, 27}), 4},
                                                                 {tileAddress(2, {31, 27}), 5}}));
  EXPECT_STREQ(pasted.value().name(), "Paste");
  EXPECT_EQ(pasteCommand(state, 2, {0, 28}, block).error().what,
            "Row 28 of name table 2 is not stored in the ROM.");
}

TEST(TileBlock, CutAndDeleteBlankTheCarriedCellsAndFillUsesTheSelectedTile) {
  EditorState state = numberedScreens();
  state.selectedTile = 0x33;
  const CellRect rect = rectBetween({0, 22}, {1, 25});  // rows 24-25 are not carried
  const auto cut = cutCommand(state, 0, rect);
  ASSERT_TRUE(cut);
  EXPECT_STREQ(cut.value().name(), "Cut");
  EXPECT_EQ(cut.value().changes().size(), 4u);
  for (const ByteChange& change : cut.value().changes()) EXPECT_EQ(change.after, kBlankTile);
  EXPECT_STREQ(deleteCommand(state, 0, rect).value().name(), "Delete");
  const auto fill = fillCommand(state, 0, rect);
  ASSERT_TRUE(fill);
  EXPECT_STREQ(fill.value().name(), "Fill");
  for (const ByteChange& change : fill.value().changes()) EXPECT_EQ(change.after, 0x33);
  EXPECT_FALSE(deleteCommand(state, 0, rectBetween({0, 24}, {5, 29})));
}

TEST(ClipboardText, BlocksSurviveTheRoundTrip) {
  std::mt19937 random(3);
  for (int n = 0; n < 200; ++n) {
    TileBlock block{1 + static_cast<int>(random() % 32), 1 + static_cast<int>(random() % 30), {}};
    for (int i = 0; i < block.width * block.height; ++i) {
      block.tiles.push_back(static_cast<std::uint8_t>(random()));
    }
    const std::string text = blockText(block);
    ASSERT_EQ(parseBlockText(text).value(), block);
    ASSERT_EQ(parseBlockText(text + "  \r\n\n").value(), block) << "trailing white space";
  }
  EXPECT_EQ(blockText({2, 2, {0xFC, 0x01, 0x0A, 0xFF}}), "FC 01\n0A FF\n");
}

TEST(ClipboardText, RejectsTextThatIsNotABlockWithItsReason) {
  EXPECT_EQ(parseBlockText("fc 01\r\n0a\tff").value(), (TileBlock{2, 2, {0xFC, 0x01, 0x0A, 0xFF}}));
  EXPECT_EQ(parseBlockText("FC 01\n0A\n").error().what, "Row 2 has 1 tile number; row 1 has 2.");
  EXPECT_EQ(parseBlockText("FC 0G\n").error().what,
            "\"0G\" in row 1 is not a two-digit hexadecimal tile number.");
  EXPECT_FALSE(parseBlockText("FC 1\n"));
  EXPECT_FALSE(parseBlockText(" \n\n"));
  std::string wide;
  for (int n = 0; n < 33; ++n) wide += "00 ";
  EXPECT_FALSE(parseBlockText(wide));
}

}  // namespace
}  // namespace pelmora
