#include "edit/title_changes.h"

#include <gtest/gtest.h>

#include <random>

#include "edit/change_baselines.h"
#include "edit/edit_history.h"
#include "state/saved_area.h"
#include "edit/single_edits.h"
#include "edit_test_support.h"

namespace pelmora {
namespace {

// Any set of carried cells changed is counted once each; cells Save does not carry are not.
TEST(TitleChanges, CountsEveryChangedCarriedCellOnce) {
  const EditorState opened = test::demoDocument().state;
  EXPECT_TRUE(compareTitleScreens(opened, opened).none());
  std::mt19937 random(7);
  for (int round = 0; round < 20; ++round) {
    EditorState edited = opened;
    int expected = 0;
    for (int i = 0; i < 30; ++i) {
      const int nameTable = random() % 2 ? 2 : 0;
      const int row = static_cast<int>(random() % 30);
      const int column = static_cast<int>(random() % 32);
      std::uint8_t& tile = edited.ppuImage[0x2000 + nameTable * 0x400 + row * 32 + column];
      if (tile != opened.ppuImage[0x2000 + nameTable * 0x400 + row * 32 + column]) continue;
      tile ^= 0x80;
      expected += isTileRowCarried(nameTable, row) ? 1 : 0;
    }
    ASSERT_EQ(compareTitleScreens(opened, edited).cells, expected) << "round " << round;
  }
}

TEST(TitleChanges, KnownEditsListedWithBeforeAndAfter) {
  const EditorState opened = test::demoDocument().state;
  EditorState edited = opened;
  edited.ppuImage[0x2000 + 5 * 32 + 3] ^= 1;  // cell (3, 5) of name table 0
  edited.ppuImage[0x23C0 + 9] ^= 0x30;        // byte 9: quadrant (2, 3)
  edited.romPalette[3] ^= 0x10;
  edited.coinPalette[6] ^= 0x01;
  edited.tileSheet[12 * 64 + 7] ^= 1;  // tile 12, one pixel
  const TitleChanges changes = compareTitleScreens(opened, edited);
  EXPECT_EQ(changesSummary(changes), "1 cell, 1 quadrant, 2 colours, 1 tile changed");
  ASSERT_EQ(changes.changes.size(), 5u);
  EXPECT_EQ(changes.changes[0].column, 3);
  EXPECT_EQ(changes.changes[0].row, 5);
  EXPECT_EQ(changes.changes[0].after, opened.ppuImage[0x2000 + 5 * 32 + 3] ^ 1);
  EXPECT_EQ(changes.changes[1].kind, ChangeKind::kQuadrant);
  EXPECT_EQ(changes.changes[1].column, 2);
  EXPECT_EQ(changes.changes[1].row, 3);
  EXPECT_EQ(changes.changes[3].array, ColourArray::kCoinPalette);
  EXPECT_EQ(changes.changes[3].index, 6);
  EXPECT_EQ(changes.changes[4].index, 12);
  EXPECT_EQ(changes.changes[4].after, 1);
}

// Counted against the image as opened: edits count, undo takes them back, Save starts the count
// since the last save again.
TEST(TitleChanges, FollowEditsUndoAndSave) {
  Document document = test::demoDocument();
  const EditorState opened = document.state;
  ChangeBaselines baselines;
  baselines.markOpened(document.state);
  document.state.selectedTile = 0x41;
  int differing = 0;
  for (const int column : {1, 2, 3}) {
    differing += *tileAt(opened, 0, {column, 4}) != 0x41 ? 1 : 0;
    perform(document, placeTileCommand(document.state, 0, {column, 4}).value());
  }
  document.state.attrPaletteSel = static_cast<std::uint8_t>((opened.ppuImage[0x23C0] + 1) & 3);
  perform(document, setAttributeCommand(document.state, 0, {0, 0}).value());
  TitleChanges changes = compareTitleScreens(opened, document.state);
  EXPECT_EQ(changes.cells, differing);
  EXPECT_EQ(changes.quadrants, 1);

  undo(document);
  undo(document);
  changes = compareTitleScreens(opened, document.state);
  EXPECT_EQ(changes.quadrants, 0);
  EXPECT_EQ(changes.cells, differing - (*tileAt(opened, 0, {3, 4}) != 0x41 ? 1 : 0));

  baselines.markSaved(document.state);
  EXPECT_TRUE(baselines.changes(ChangesSince::kLastSave, document.state).none());
  EXPECT_EQ(baselines.changes(ChangesSince::kOpened, document.state).cells, changes.cells);
  undo(document);
  EXPECT_EQ(baselines.changes(ChangesSince::kLastSave, document.state).cells,
            *tileAt(opened, 0, {2, 4}) != 0x41 ? 1 : 0);
}

}  // namespace
}  // namespace pelmora
