#include <gtest/gtest.h>

#include "demo/demo_image.h"
#include "state/saved_area.h"
#include "formats/nam_file.h"
#include "formats/pal_file.h"
#include "formats/png_file.h"
#include "palette/palette_edit.h"
#include "rom/title_import.h"

namespace pelmora {
namespace {

using Bytes = std::vector<std::uint8_t>;

EditorState demoState() {
  EditorState state;
  EXPECT_TRUE(importTitleScreen(buildDemoImage(), state));
  return state;
}

TEST(NamFile, RoundTripKeepsOnlyTheCarriedCellsAndCountsTheRest) {
  const EditorState state = demoState();
  for (int screen : {0, 1}) {
    Bytes file = exportNameTable(state, screen);
    ASSERT_EQ(file.size(), 1024u);
    const Expected<NameTableImport> same = importNameTable(state, screen, file);
    ASSERT_TRUE(same);
    EXPECT_EQ(same.value().state, state);
    EXPECT_EQ(same.value().droppedCells, 0);

    for (auto& byte : file) byte = static_cast<std::uint8_t>(byte + 1);  // every byte differs
    const Expected<NameTableImport> changed = importNameTable(state, screen, file);
    ASSERT_TRUE(changed);
    const int nameTable = screen * 2;
    int carried = 0;
    for (int row = 0; row < kScreenRows; ++row)
      carried += isTileRowCarried(nameTable, row) ? kScreenColumns : 0;
    EXPECT_EQ(changed.value().droppedCells, 960 - carried);
    EXPECT_EQ(changed.value().droppedAttributeBytes, isAttributeTableCarried(nameTable) ? 0 : 64);
    const Bytes back = exportNameTable(changed.value().state, screen);
    EXPECT_EQ(back[0 + 24 * 32 * (screen)], file[24 * 32 * screen]) << "a carried cell";
  }
  for (std::size_t size : {0u, 959u, 961u, 1023u, 1025u}) {
    const Expected<NameTableImport> refused = importNameTable(state, 0, Bytes(size, 1));
    ASSERT_FALSE(refused) << size;
    EXPECT_NE(refused.error().what.find(std::to_string(size)), std::string::npos);
  }
  EXPECT_TRUE(importNameTable(state, 0, Bytes(960, 1)));
}

TEST(PalFile, ImportReplacesTheRomPaletteAndShowsItInTheCurrentSet) {
  EditorState state = demoState();
  cyclePaletteSet(state);  // set 1: entries 0-15 come from the first background set
  Bytes file(32);
  for (std::size_t i = 0; i < file.size(); ++i) file[i] = static_cast<std::uint8_t>(i + 1);
  const Expected<EditorState> all = importPaletteFile(state, file);
  ASSERT_TRUE(all);
  EXPECT_EQ(Bytes(all.value().romPalette.begin(), all.value().romPalette.end()), file);
  EXPECT_EQ(all.value().viewPalette[20], 21);
  EXPECT_EQ(all.value().viewPalette[3], state.viewPalette[3]) << "the set still covers 0-15";

  const Expected<EditorState> half = importPaletteFile(state, Bytes(file.begin(), file.begin() + 16));
  ASSERT_TRUE(half);
  EXPECT_EQ(half.value().romPalette[15], 16);
  EXPECT_EQ(half.value().romPalette[16], state.romPalette[16]);

  EXPECT_EQ(exportPaletteFile(all.value()),
            Bytes(all.value().viewPalette.begin(), all.value().viewPalette.end()));
  EXPECT_FALSE(importPaletteFile(state, Bytes(17)));
  EXPECT_FALSE(importPaletteFile(state, {}));
}

TEST(PngFile, RgbAndIndexedPicturesReadBackAsWritten) {
  Surface surface(5, 3);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 5; ++x) surface.setPixel(x, y, 0x102030 * (x + 1) + y);
  const RgbImage zoomed = surfaceImage(surface, 3);
  ASSERT_EQ(zoomed.width, 15);
  EXPECT_EQ(zoomed.at(14, 8), surface.pixel(4, 2));
  EXPECT_EQ(*decodePng(*encodeRgbPng(zoomed)), zoomed);

  IndexedImage indexed{2, 2, {0x0000FF, 0x00FF00, 0xFF0000}, {0, 1, 2, 1}};
  const Bytes png = *encodeIndexedPng(indexed);
  EXPECT_EQ(png[25], 3) << "colour type: indexed";
  const RgbImage read = *decodePng(png);
  EXPECT_EQ(read.pixels, (std::vector<std::uint32_t>{0x0000FF, 0x00FF00, 0xFF0000, 0x00FF00}));

  indexed.indices[0] = 3;
  EXPECT_FALSE(encodeIndexedPng(indexed));
  EXPECT_FALSE(decodePng(Bytes(png.begin(), png.begin() + 40)));
}

}  // namespace
}  // namespace pelmora
