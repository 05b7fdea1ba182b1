#include "edit/edit_history.h"

#include <gtest/gtest.h>

#include <random>

#include "edit/diff_command.h"
#include "edit/edit_test_support.h"
#include "edit/single_edits.h"
#include "edit/stroke.h"
#include "edit/tile_block.h"
#include "palette/palette_edit.h"
#include "rom/rom_file.h"
#include "rom/title_export.h"
#include "support/layout_image.h"

namespace pelmora {
namespace {

// Everything an edit may change, and the palette every view is drawn with.
void expectSameContent(const Document& actual, const Document& expected, const char* when) {
  EXPECT_EQ(actual.rom, expected.rom) << when;
  EXPECT_EQ(actual.state.ppuImage, expected.state.ppuImage) << when;
  EXPECT_EQ(actual.state.romPalette, expected.state.romPalette) << when;
  EXPECT_EQ(actual.state.bkgPalettes, expected.state.bkgPalettes) << when;
  EXPECT_EQ(actual.state.coinPalette, expected.state.coinPalette) << when;
  EXPECT_EQ(actual.state.coinEnabled, expected.state.coinEnabled) << when;
  EXPECT_EQ(actual.state.stream35Row, expected.state.stream35Row) << when;
  EXPECT_EQ(actual.state.tileSheet, expected.state.tileSheet) << when;
  EXPECT_EQ(actual.state.viewPalette, expected.state.viewPalette) << when;
}

RomImage exported(const Document& document) {
  RomImage image = document.rom;
  EditorState state = document.state;
  EXPECT_TRUE(exportTitleScreen(state, image));
  return image;
}

// Performs one random edit of any kind on `document`, as the window would.
class RandomEditor {
 public:
  explicit RandomEditor(unsigned seed) : random_(seed) {}

  void edit(Document& document) {
    EditorState& state = document.state;
    state.selectedTile = byte();
    state.attrPaletteSel = static_cast<std::uint8_t>(below(4));
    const int nameTable = below(2) * 2;
    switch (below(9)) {
      case 0: performIfAccepted(document, placeTileCommand(state, nameTable, cell())); break;
      case 1: performIfAccepted(document, setAttributeCommand(state, 0, {below(16), below(15)})); break;
      case 2:
        state.palTarget = static_cast<std::uint8_t>(below(3));
        state.palTargetIndex = static_cast<std::uint8_t>(below(32));
        perform(document, storeColourCommand(state, byte()));
        break;
      case 3: perform(document, switchCoinCommand(state, below(2) == 1)); break;
      case 4: performIfAccepted(document, fillCommand(state, nameTable, rectBetween(cell(), cell()))); break;
      case 5: {
        const TileBlock block = copyBlock(state, 2 - nameTable, rectBetween(cell(), cell()));
        performIfAccepted(document, pasteCommand(state, nameTable, cell(), block));
        break;
      }
      case 6: stroke(document, nameTable); break;
      case 7: perform(document, diffCommand("Import Picture", document, sprinkled(state), document.rom)); break;
      default: perform(document, diffCommand("Apply Patch", document, state, resized(document.rom))); break;
    }
  }

 private:
  int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }
  std::uint8_t byte() { return static_cast<std::uint8_t>(below(256)); }
  CellPosition cell() { return {below(32), below(30)}; }

  void performIfAccepted(Document& document, Expected<EditCommand> command) {
    if (command) perform(document, std::move(command.value()));
  }

  void stroke(Document& document, int nameTable) {
    TileStroke tiles(nameTable, byte());
    for (int move = below(4); move >= 0; --move) tiles.moveTo(document.state, cell());
    recordPerformed(document, tiles.finish());
  }

  // A state with a few tile-sheet pixels and palette bytes changed.
  EditorState sprinkled(const EditorState& state) {
    EditorState after = state;
    for (int n = 0; n < 20; ++n) after.tileSheet[static_cast<std::size_t>(below(16384))] = byte() & 3;
    after.romPalette[static_cast<std::size_t>(below(32))] = byte();
    return after;
  }

  // An image grown by a few bytes, with a header byte changed.
  RomImage resized(const RomImage& rom) {
    RomImage after = rom;
    after.body.resize(rom.body.size() + static_cast<std::size_t>(below(64)) + 1, byte());
    after.header[15] = byte();
    return after;
  }

  std::mt19937 random_;
};

TEST(EditHistory, RandomEditsUndoToTheStartAndRedoToTheEndByteForByte) {
  for (unsigned seed = 1; seed <= 12; ++seed) {
    Document document = test::demoDocument();
    applyPaletteSet(document.state, 4);  // a view with a background set: palette edits show
    document.state.paletteSet = 4;
    const Document start = document;
    RandomEditor editor(seed);
    for (int n = 0; n < 40; ++n) editor.edit(document);
    const Document end = document;
    ASSERT_GT(document.history.undoCount(), 0u);

    while (document.history.canUndo()) undo(document);
    expectSameContent(document, start, "after undoing all");
    EXPECT_EQ(exported(document), exported(start));
    while (document.history.canRedo()) redo(document);
    expectSameContent(document, end, "after redoing all");
    EXPECT_EQ(exported(document), exported(end));
  }
}

TEST(EditHistory, ColourZeroOfTheRomPaletteIsOneStep) {
  Document document = test::demoDocument();
  const Document start = document;
  document.state.palTarget = kTargetRomPalette;
  document.state.palTargetIndex = 8;
  const EditCommand command = storeColourCommand(document.state, 0x2A);
  const PartSet changed = perform(document, command);
  EXPECT_TRUE(changed.contains(StatePart::kRomPalette));
  for (std::size_t entry = 0; entry < 32; entry += 4) EXPECT_EQ(document.state.romPalette[entry], 0x2A);
  EXPECT_EQ(document.state.viewPalette, document.state.romPalette);
  EXPECT_STREQ(document.history.undoName(), "Change Colour");

  undo(document);
  expectSameContent(document, start, "after one undo");
  EXPECT_FALSE(document.history.canUndo());
}

TEST(EditHistory, UndoingBackToTheSavedPointIsUnmodified) {
  testing::TemporaryFolder folder;
  ASSERT_EQ(saveRomFile(buildDemoImage(), folder / "demo.nes"), kRomFileOk);
  Document document;
  ASSERT_EQ(openDocument(document, folder / "demo.nes").status, OpenStatus::kOpened);
  EXPECT_FALSE(document.isModified());
  const auto place = [&](std::uint8_t tile) {
    document.state.selectedTile = tile;
    perform(document, placeTileCommand(document.state, 0, {3, 4}).value());
  };

  place(0x11);
  EXPECT_TRUE(document.isModified());
  undo(document);
  EXPECT_FALSE(document.isModified()) << "back at the opened point";
  redo(document);
  ASSERT_EQ(saveDocument(document).status, SaveStatus::kSaved);
  EXPECT_FALSE(document.isModified());
  undo(document);
  EXPECT_TRUE(document.isModified()) << "away from the saved point";
  place(0x22);  // drops the saved point from the redo tail
  undo(document);
  EXPECT_TRUE(document.isModified()) << "the saved point can never be reached again";

  ASSERT_EQ(openDocument(document, folder / "demo.nes").status, OpenStatus::kOpened);
  EXPECT_FALSE(document.history.canUndo());
  EXPECT_FALSE(document.isModified());
}

TEST(EditHistory, CommandsThatChangeNothingAreNotRecorded) {
  Document document = test::demoDocument();
  document.state.selectedTile = document.state.ppuImage[0x2000];
  EXPECT_TRUE(perform(document, placeTileCommand(document.state, 0, {0, 0}).value()).empty());
  EXPECT_FALSE(document.history.canUndo());
  EXPECT_FALSE(document.isModified());
  EXPECT_TRUE(undo(document).empty());
}

}  // namespace
}  // namespace pelmora
