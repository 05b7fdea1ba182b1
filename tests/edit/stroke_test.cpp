#include "edit/stroke.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

#include "edit/block_stroke.h"
#include "edit/cell_line.h"
#include "edit/edit_test_support.h"
#include "edit/screen_cells.h"

namespace pelmora {
namespace {

TEST(CellsOnLine, EveryStepIsOneCellFromTheLast) {
  std::mt19937 random(7);
  std::uniform_int_distribution<int> coordinate(-40, 70);
  std::vector<CellPosition> line;
  for (int n = 0; n < 500; ++n) {
    const CellPosition from{coordinate(random), coordinate(random)};
    const CellPosition to{coordinate(random), coordinate(random)};
    cellsOnLine(from, to, line);
    ASSERT_EQ(line.front(), from);
    ASSERT_EQ(line.back(), to);
    const int steps = std::max(std::abs(to.column - from.column), std::abs(to.row - from.row));
    ASSERT_EQ(static_cast<int>(line.size()), steps + 1);
    for (std::size_t i = 1; i < line.size(); ++i) {
      ASSERT_LE(std::abs(line[i].column - line[i - 1].column), 1);
      ASSERT_LE(std::abs(line[i].row - line[i - 1].row), 1);
    }
  }
  cellsOnLine({0, 0}, {2'000'000'000, 5}, line);
  EXPECT_LT(line.size(), 200u) << "far ends are pulled in";
}

TEST(CellsOnLine, ADragThatLeavesTheViewKeepsItsDirection) {
  EXPECT_EQ(tileCellUnder(-3, 500.5), (CellPosition{-1, 62}));
  EXPECT_EQ(quadrantUnder(255.6, -0.4), (CellPosition{16, 0}));
  EXPECT_EQ(tileCellUnder(1e300, 0)->column, (1 << 20) / 8);
  EXPECT_FALSE(tileCellUnder(NAN, 0));
}

TEST(TileStroke, AFastMovePaintsTheWholeLineExceptCellsSaveDoesNotCarry) {
  Document document = test::demoDocument();
  const Document start = document;
  TileStroke stroke(0, 0x07);
  EXPECT_EQ(stroke.moveTo(document.state, {0, 20}), (std::vector<CellPosition>{{0, 20}}));
  const std::vector<CellPosition> changed = stroke.moveTo(document.state, {9, 26});
  EXPECT_EQ(stroke.refusal(), "Row 26 of name table 0 is not stored in the ROM.");
  std::vector<CellPosition> line;
  cellsOnLine({0, 20}, {9, 26}, line);
  for (const CellPosition& cell : line) {
    const std::uint8_t tile = document.state.ppuImage[tileAddress(0, cell)];
    if (cell.row <= 23) {
      EXPECT_EQ(tile, 0x07);
    } else {
      EXPECT_EQ(tile, start.state.ppuImage[tileAddress(0, cell)]);
      EXPECT_EQ(std::count(changed.begin(), changed.end(), cell), 0);
    }
  }
  EXPECT_TRUE(stroke.moveTo(document.state, {9, 26}).empty()) << "nothing new changes";

  recordPerformed(document, stroke.finish());
  EXPECT_STREQ(document.history.undoName(), "Paint Tiles");
  undo(document);
  EXPECT_EQ(document.state.ppuImage, start.state.ppuImage) << "one stroke is one undo step";
  redo(document);
  EXPECT_EQ(document.state.ppuImage[tileAddress(0, {0, 20})], 0x07);
}

TEST(AttributeStroke, QuadrantsOfOneByteBecomeOneChange) {
  Document document = test::demoDocument();
  document.state.ppuImage[0x23C0] = 0;
  const Document start = document;
  AttributeStroke stroke(0, 3);
  stroke.moveTo(document.state, {0, 0});
  EXPECT_EQ(stroke.moveTo(document.state, {1, 1}).size(), 1u) << "a diagonal step";
  stroke.moveTo(document.state, {0, 1});
  EXPECT_EQ(document.state.ppuImage[0x23C0], 0xF3);
  const EditCommand command = stroke.finish();
  ASSERT_EQ(command.changes().size(), 1u);
  EXPECT_EQ(command.changes()[0].before, 0);
  EXPECT_EQ(command.changes()[0].after, 0xF3);

  AttributeStroke refused(2, 1);
  EXPECT_TRUE(refused.moveTo(document.state, {3, 3}).empty());
  EXPECT_EQ(refused.refusal(), "The attribute table of name table 2 is not stored in the ROM.");
  EXPECT_TRUE(refused.finish().empty());
}

TEST(TileStroke, ASinglePressIsPlaceTile) {
  EditorState state;
  TileStroke stroke(2, 0x01);
  stroke.moveTo(state, {3, 25});
  EXPECT_STREQ(stroke.finish().name(), "Place Tile");
}

// A 2 x 2 block dragged left and up from the cell pressed is placed on the block's grid, which
// runs on past the origin in both directions.
TEST(BlockStroke, ADragRepeatsTheBlockOnItsGridInEveryDirection) {
  EditorState state;
  BlockStroke stroke(0, TileBlock{2, 2, {1, 2, 3, 4}});
  stroke.moveTo(state, {10, 6});
  stroke.moveTo(state, {7, 3});
  // The line from (10, 6) to (7, 3) passes the grid places (0, 0), (-1, -1) and (-2, -2).
  for (const CellPosition corner : {CellPosition{10, 6}, CellPosition{8, 4}, CellPosition{6, 2}}) {
    for (int tile = 0; tile < 4; ++tile) {
      EXPECT_EQ(state.ppuImage[tileAddress(0, {corner.column + tile % 2, corner.row + tile / 2})],
                tile + 1)
          << corner.column << " " << corner.row;
    }
  }
  EXPECT_EQ(std::count_if(state.ppuImage.begin() + 0x2000, state.ppuImage.begin() + 0x23C0,
                          [](std::uint8_t tile) { return tile != 0; }),
            12);
  EXPECT_STREQ(stroke.finish().name(), "Paint Blocks");
}

}  // namespace
}  // namespace pelmora
