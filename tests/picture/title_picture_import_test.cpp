#include "picture/title_picture_import.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "demo/demo_image.h"
#include "state/tile_usage.h"
#include "gfx/views.h"
#include "picture/colour_match.h"
#include "rom/title_export.h"
#include "rom/title_import.h"
#include "state/ppu_map.h"

namespace pelmora {
namespace {

ColourTables defaultColours() {
  ColourTables colours;
  buildMasterPalette(PpuRegisters{}, colours);
  return colours;
}

// An editor state with blank screens (tile $FC) and an empty sheet to import onto.
EditorState blankState() {
  EditorState state;
  std::fill(state.ppuImage.begin() + 0x2000, state.ppuImage.begin() + 0x3000, 0xFC);
  std::fill(state.ppuImage.begin() + 0x23C0, state.ppuImage.begin() + 0x2400, 0);
  std::fill(state.ppuImage.begin() + 0x2BC0, state.ppuImage.begin() + 0x2C00, 0);
  return state;
}

// Colours the matcher gives back as themselves, so a picture drawn in them is representable.
std::vector<std::uint8_t> distinctColours() {
  ColourMatch match;
  std::vector<std::uint8_t> colours;
  for (std::uint8_t c = 0; c < 64; ++c) {
    if (match.nearest(match.rgb(c)) == c) colours.push_back(c);
  }
  return colours;
}

// The screens of `state` as the editor draws them: name table 0 rows 0-23, then (for 240 rows)
// name table 2 rows 24-29.
RgbImage render(const EditorState& state, int height) {
  const ColourTables colours = defaultColours();
  Surface first(256, 240), second(256, 240);
  drawNameTable(first, state.ppuImage, 0, state.tileSheet, state.viewPalette, 1, colours);
  drawNameTable(second, state.ppuImage, 2, state.tileSheet, state.viewPalette, 1, colours);
  RgbImage picture(256, height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < 256; ++x) picture.at(x, y) = (y < 192 ? first : second).pixel(x, y);
  }
  return picture;
}

// A title drawn from 40 random tiles in four random palettes of distinct colours.
EditorState randomRepresentableTitle(std::mt19937& random) {
  EditorState state = blankState();
  std::vector<std::uint8_t> colours = distinctColours();
  std::shuffle(colours.begin(), colours.end(), random);
  for (std::size_t k = 0; k < 4; ++k) {
    state.viewPalette[4 * k] = colours[0];
    for (std::size_t e = 1; e < 4; ++e) state.viewPalette[4 * k + e] = colours[3 * k + e];
  }
  for (std::size_t i = 0; i < 40 * 64; ++i)
    state.tileSheet[i] = static_cast<std::uint8_t>(random() & 3u);
  for (std::size_t a = 0x2000; a < 0x2C00; ++a)
    state.ppuImage[a] = static_cast<std::uint8_t>(random() % 40);
  for (std::size_t a : {0x23C0, 0x2BC0}) {
    for (std::size_t i = 0; i < 64; ++i)
      state.ppuImage[a + i] = static_cast<std::uint8_t>(random());
  }
  return state;
}

void expectSameRows(const RgbImage& a, const RgbImage& b, int rows) {
  int differing = 0;
  for (int y = 0; y < rows; ++y) {
    for (int x = 0; x < 256; ++x) differing += a.at(x, y) != b.at(x, y);
  }
  EXPECT_EQ(differing, 0);
}

TEST(ImportTitlePicture, FitDrawsEveryRepresentablePictureExactly) {
  std::mt19937 random(2024);
  for (int round = 0; round < 12; ++round) {
    SCOPED_TRACE("round " + std::to_string(round));
    const EditorState drawn = randomRepresentableTitle(random);
    const int height = round % 2 == 0 ? 192 : 240;
    const RgbImage picture = render(drawn, height);
    EditorState target = blankState();
    // Name table 2 keeps its palettes: the drawn ones.
    std::copy_n(drawn.ppuImage.begin() + 0x2BC0, 64, target.ppuImage.begin() + 0x2BC0);
    const auto imported = importTitlePicture(target, picture, {PicturePalettes::kFit, false});
    ASSERT_TRUE(imported);
    ASSERT_TRUE(imported.value().fits) << imported.value().message;
    EXPECT_EQ(imported.value().report.pixelsChanged, 0);
    EXPECT_EQ(imported.value().report.tilesMerged, 0);
    expectSameRows(render(imported.value().state, height), picture, height == 240 ? 224 : 192);
    EXPECT_LE(imported.value().report.tilesUsed, 40)
        << "the same drawing in two palettes is one tile";
    EXPECT_EQ(imported.value().state.ppuImage[0x2000 + 24 * 32], 0xFC)
        << "row 24 of name table 0 stays";
    EXPECT_EQ(std::vector<std::uint8_t>(imported.value().state.romPalette.begin(),
                                        imported.value().state.romPalette.begin() + 16),
              std::vector<std::uint8_t>(imported.value().state.bkgPalettes.begin(),
                                        imported.value().state.bkgPalettes.begin() + 16));
  }
}

TEST(ImportTitlePicture, KeepReusesTheSheetsTilesAndLeavesPalettesAlone) {
  std::mt19937 random(5);
  EditorState drawn = randomRepresentableTitle(random);
  drawn.romPalette = drawn.viewPalette;
  const RgbImage picture = render(drawn, 240);
  EditorState target = blankState();
  target.romPalette = target.viewPalette = drawn.viewPalette;
  target.tileSheet = drawn.tileSheet;
  std::copy_n(drawn.ppuImage.begin() + 0x2BC0, 64, target.ppuImage.begin() + 0x2BC0);
  const auto imported = importTitlePicture(target, picture, {PicturePalettes::kKeep, false});
  ASSERT_TRUE(imported && imported.value().fits);
  EXPECT_EQ(imported.value().report.tilesNew, 0);
  EXPECT_EQ(imported.value().report.tilesReused, imported.value().report.tilesUsed);
  EXPECT_EQ(imported.value().state.tileSheet, target.tileSheet);
  EXPECT_EQ(imported.value().state.romPalette, target.romPalette);
  expectSameRows(render(imported.value().state, 240), picture, 224);
}

// Noise in 16 colours per area: far more distinct tiles than a sheet holds.
RgbImage noisePicture(int height, unsigned seed) {
  std::mt19937 random(seed);
  ColourMatch match;
  RgbImage picture(256, height);
  for (auto& pixel : picture.pixels)
    pixel = match.rgb(static_cast<std::uint8_t>(0x10 + random() % 4));
  return picture;
}

TEST(ImportTitlePicture, APictureThatDoesNotFitChangesNothingUnlessReduced) {
  EditorState target = blankState();
  target.romPalette = {0x0F, 0x10, 0x11, 0x12, 0x0F, 0x13, 0x10, 0x11};
  target.ppuImage[0x2800 + 25 * 32] = 0x07;  // a carried cell of name table 2 keeps tile 7
  const RgbImage picture = noisePicture(192, 9);
  const auto refused = importTitlePicture(target, picture, {PicturePalettes::kKeep, false});
  ASSERT_TRUE(refused);
  EXPECT_FALSE(refused.value().fits);
  EXPECT_EQ(refused.value().state, target);
  EXPECT_EQ(refused.value().report.tilesMissing, 768 - 254);
  EXPECT_NE(refused.value().message.find(std::to_string(768 - 254) + " tiles"), std::string::npos);

  const auto reduced = importTitlePicture(target, picture, {PicturePalettes::kFit, true});
  ASSERT_TRUE(reduced && reduced.value().fits);
  EXPECT_EQ(reduced.value().report.tilesNew, 254);
  EXPECT_EQ(reduced.value().report.tilesMerged, 768 - 254);
  EXPECT_GT(reduced.value().report.pixelsChanged, 0);
  EXPECT_EQ(reduced.value().report.pixelsChanged, [&] {
    const RgbImage shown = render(reduced.value().state, 192);
    return static_cast<int>(std::inner_product(shown.pixels.begin(), shown.pixels.end(),
                                               picture.pixels.begin(), 0, std::plus<>(),
                                               std::not_equal_to<>()));
  }());
  EXPECT_EQ(reduced.value().state.ppuImage[0x2800 + 25 * 32], 0x07);
  EXPECT_EQ(std::vector<std::uint8_t>(reduced.value().state.tileSheet.begin() + 7 * 64,
                                      reduced.value().state.tileSheet.begin() + 8 * 64),
            std::vector<std::uint8_t>(target.tileSheet.begin() + 7 * 64,
                                      target.tileSheet.begin() + 8 * 64))
      << "a tile a kept carried cell uses is never overwritten";
  EXPECT_EQ(countCarriedTileUses(reduced.value().state.ppuImage)[0xFC], 4 * 32 - 1)
      << "$FC is never given a new drawing";
}

TEST(ImportTitlePicture, ASavedImportIsWhatTheReopenedImageShows) {
  RomImage rom = buildDemoImage();
  EditorState opened;
  ASSERT_TRUE(importTitleScreen(rom, opened));
  std::mt19937 random(77);
  const RgbImage picture = render(randomRepresentableTitle(random), 192);
  const auto imported = importTitlePicture(opened, picture, {PicturePalettes::kFit, false});
  ASSERT_TRUE(imported && imported.value().fits);
  EditorState saved = imported.value().state;
  ASSERT_TRUE(exportTitleScreen(saved, rom));
  EditorState reopened;
  ASSERT_TRUE(importTitleScreen(rom, reopened));
  EXPECT_EQ(reopened.tileSheet, saved.tileSheet);
  expectSameRows(render(reopened, 240), render(saved, 240), 224);
  EXPECT_EQ(imported.value().report.pixelsChanged, 0);
  expectSameRows(render(reopened, 192), picture, 192);
}

TEST(ImportTitlePicture, OtherSizesAreRefusedWithTheirSize) {
  const auto wrong = importTitlePicture(blankState(), RgbImage(256, 224), {});
  ASSERT_FALSE(wrong);
  EXPECT_NE(wrong.error().what.find("256 x 224"), std::string::npos);
}

}  // namespace
}  // namespace pelmora
