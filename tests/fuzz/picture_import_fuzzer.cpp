// A PNG file imported as the title screen (256 x 192 or 256 x 240) or as the tile sheet
// (128 x 128), with the palettes kept or fitted and with or without merging tiles to fit; the
// input's first byte chooses (bit 0 fit, bit 1 reduce). With bit 2 set the rest is not a PNG
// but the picture's own pixels, three bytes each, so the importer sees every kind of picture
// and not only those whose compressed data survives a change.
// Promises: a decoded picture has a pixel for each place; a picture of another size is refused
// with a reason; one that does not fit leaves the state as it was; an import that fits gives a
// screen Save writes and Open reads back.

#include "fuzz_support.h"
#include "fuzz_targets.h"
#include "formats/png_file.h"
#include "gfx/master_palette.h"
#include "picture/tile_sheet_picture.h"
#include "picture/title_picture_import.h"

namespace pelmora::fuzz {
namespace {

constexpr int kScreenWidth = 256;

RgbImage rawPicture(const std::uint8_t* data, std::size_t size, int height) {
  RgbImage picture(kScreenWidth, height);
  if (size < 3) return picture;
  const std::size_t colours = size / 3;
  for (std::size_t i = 0; i < picture.pixels.size(); ++i) {
    const std::uint8_t* rgb = data + 3 * (i % colours);
    picture.pixels[i] = rgb[0] | static_cast<std::uint32_t>(rgb[1]) << 8 | static_cast<std::uint32_t>(rgb[2]) << 16;
  }
  return picture;
}

void importAsTiles(const RgbImage& picture) {
  const EditorState& state = demoDocument().state;
  ColourTables colours;
  buildMasterPalette(state.ppuRegisters, colours);
  const Expected<TileSheet> sheet = tileSheetFromPicture(picture, shownPaletteColours(state, colours));
  const bool sheetSized = picture.width == kTileSheetPictureSize && picture.height == kTileSheetPictureSize;
  require(static_cast<bool>(sheet) == sheetSized, "only a 128 x 128 picture becomes the tile sheet");
  if (!sheet) return;
  require(sheet.value().size() == kSheetTiles * kTilePixels, "an imported sheet holds 256 tiles");
  EditorState imported = state;
  imported.tileSheet = *sheet;
  requireSavesAndReopens(imported);
}

void importAsScreen(const RgbImage& picture, std::uint8_t options) {
  const EditorState& state = demoDocument().state;
  const PictureImportOptions chosen{(options & 1) ? PicturePalettes::kFit : PicturePalettes::kKeep,
                                    (options & 2) != 0};
  const Expected<PictureImport> imported = importTitlePicture(state, picture, chosen);
  const bool screenSized = picture.width == kScreenWidth && (picture.height == 192 || picture.height == 240);
  require(static_cast<bool>(imported) == screenSized, "only a picture the size of the screen is imported");
  if (!imported) {
    require(!imported.error().what.empty(), "a refused picture says why");
    return;
  }
  if (!imported.value().fits) {
    require(imported.value().state == state && imported.value().report.tilesMissing > 0 && !imported.value().message.empty(),
            "a picture that does not fit changes nothing and says how many tiles it lacks");
    require(!chosen.reduce, "merging tiles always makes a picture fit");
    return;
  }
  requireSavesAndReopens(imported.value().state);
}

}  // namespace

int fuzzPictureImport(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::uint8_t options = data[0];
  if (options & 4) {
    importAsScreen(rawPicture(data + 1, size - 1, (options & 8) ? 240 : 192), options);
    return 0;
  }
  const Expected<RgbImage> picture = decodePng(Bytes(data + 1, data + size));
  if (!picture) {
    require(!picture.error().what.empty(), "a refused PNG file says why");
    return 0;
  }
  require(picture.value().width > 0 && picture.value().height > 0 &&
              picture.value().pixels.size() == static_cast<std::size_t>(picture.value().width) * picture.value().height,
          "a decoded picture has one pixel for each place");
  importAsTiles(*picture);
  importAsScreen(*picture, options);
  return 0;
}

}  // namespace pelmora::fuzz
