// Starting inputs for the readers' targets, each written by the project's own writer from the
// demo image and edits of it: patches between saved images, PNG files of the rendered title
// and of the tile sheet, the name tables, palette and tiles as exported, and copied blocks as
// clipboard text.

#include <string>
#include <vector>

#include "edit/clipboard_text.h"
#include "edit/tile_block.h"
#include "formats/chr_file.h"
#include "formats/nam_file.h"
#include "formats/pal_file.h"
#include "formats/png_file.h"
#include "fuzz_support.h"
#include "gfx/master_palette.h"
#include "patch/bps_metadata.h"
#include "patch/bps_patch.h"
#include "patch/patch_file.h"
#include "picture/tile_sheet_picture.h"
#include "picture/title_render.h"
#include "rom/rom_file.h"
#include "state/ppu_map.h"

namespace pelmora::fuzz {
namespace {

// The file Save writes for the demo with `state` in place of its title screen.
Bytes savedWith(const EditorState& state) {
  Document document = demoDocument();
  document.state = state;
  const Expected<RomImage> saved = exportedImage(document);
  require(static_cast<bool>(saved), "an edited demo saves");
  return romFileBytes(*saved);
}

// Saved images that differ from the opened demo in the ways edits and files change one.
std::vector<std::pair<std::string, Bytes>> editedImages() {
  const EditorState& opened = demoDocument().state;
  std::vector<std::pair<std::string, Bytes>> images;
  EditorState cell = opened;
  cell.ppuImage[ppu_address::kNameTable0 + 5 * 32 + 7] ^= 0x11;
  images.emplace_back("cell", savedWith(cell));
  EditorState colour = opened;
  colour.romPalette[3] = 0x2A;
  images.emplace_back("colour", savedWith(colour));
  EditorState tiles = opened;
  for (std::size_t i = 0; i < tiles.tileSheet.size(); i += 3) tiles.tileSheet[i] = static_cast<std::uint8_t>(i % 4);
  images.emplace_back("tiles", savedWith(tiles));
  Bytes shorter = savedDemoBytes();
  shorter.resize(shorter.size() - 0x2000);
  images.emplace_back("shorter", shorter);
  Bytes longer = savedDemoBytes();
  longer.resize(longer.size() + 0x100, 0xEA);
  images.emplace_back("longer", longer);
  return images;
}

// Patches that note their source in the metadata, as this program writes them, and one with
// another program's metadata.
void metadataSeeds(const SeedSink& sink) {
  const Bytes& saved = savedDemoBytes();
  for (const auto& [name, image] : editedImages())
    sink(name + "-noted.bps", createBpsPatch(saved, image, bpsSourceMetadata(saved)));
  sink("foreign-metadata.bps", createBpsPatch(saved, editedImages().front().second,
                                              "<?xml version=\"1.0\"?><patch><title>x</title></patch>"));
}

void masterPaletteSeeds(const SeedSink& sink) {
  ColourTables tables;
  Bytes small;
  Bytes full;
  for (int emphasis = 0; emphasis < 8; ++emphasis) {
    buildMasterPalette(PpuRegisters{0, static_cast<std::uint8_t>(emphasis << 5)}, tables);
    for (std::size_t colour = 0; colour < 64; ++colour) {
      const ColourValue value = tables.masterPalette[colour];
      for (int shift = 0; shift < 24; shift += 8) {
        full.push_back(static_cast<std::uint8_t>(value >> shift));
        if (emphasis == 0) small.push_back(static_cast<std::uint8_t>(value >> shift));
      }
    }
  }
  sink("built-in-64.pal", small);
  sink("built-in-512.pal", full);
  Bytes tagged = small;
  for (const char c : std::string("tagged by its maker")) tagged.push_back(static_cast<std::uint8_t>(c));
  sink("tagged.pal", tagged);
}

void patchSeeds(PatchFormat format, const SeedSink& sink) {
  const std::string extension = format == PatchFormat::kIps ? ".ips" : ".bps";
  const Bytes opened = romFileBytes(demoDocument().openedRom);
  for (const auto& [name, image] : editedImages()) {
    for (const Bytes* source : {&savedDemoBytes(), &opened}) {
      const Expected<Bytes> patch = createPatch(format, *source, image);
      if (patch) sink(name + (source == &opened ? "-from-opened" : "") + extension, *patch);
    }
  }
  const Expected<Bytes> none = createPatch(format, savedDemoBytes(), savedDemoBytes());
  if (none) sink("nothing" + extension, *none);
}

Bytes prefixed(std::uint8_t first, const Bytes& rest) {
  Bytes bytes{first};
  bytes.insert(bytes.end(), rest.begin(), rest.end());
  return bytes;
}

void roundTripSeeds(const SeedSink& sink) {
  const Bytes& saved = savedDemoBytes();
  const Bytes small(saved.begin(), saved.begin() + 0x800);
  Bytes edited = small;
  for (std::size_t i = 0x100; i < 0x140; ++i) edited[i] = 0x55;  // a run
  edited[0x300] ^= 0xFF;
  edited.resize(edited.size() - 0x20);
  Bytes split = {0x08, 0x00};  // the first 0x800 bytes are the source
  split.insert(split.end(), small.begin(), small.end());
  split.insert(split.end(), edited.begin(), edited.end());
  sink("shorter-target", split);
  Bytes longer = {0x07, 0xE0};
  longer.insert(longer.end(), edited.begin(), edited.end());
  longer.insert(longer.end(), small.begin(), small.end());
  sink("longer-target", longer);
}

void pictureSeeds(const SeedSink& sink) {
  const EditorState& state = demoDocument().state;
  ColourTables colours;
  buildMasterPalette(state.ppuRegisters, colours);
  for (const int height : {192, 240}) {
    const RgbImage title = renderTitlePicture(state, colours, height);
    const Expected<Bytes> png = encodeRgbPng(title);
    require(static_cast<bool>(png), "the title encodes as PNG");
    for (std::uint8_t options = 0; options < 4; ++options)
      sink("title-" + std::to_string(height) + "-" + std::to_string(options) + ".png", prefixed(options, *png));
    Bytes pixels;
    for (std::size_t i = 0; i < title.pixels.size(); i += 97)
      for (int shift = 0; shift < 24; shift += 8) pixels.push_back(static_cast<std::uint8_t>(title.pixels[i] >> shift));
    sink("raw-pixels-" + std::to_string(height), prefixed(height == 240 ? 0x0E : 0x06, pixels));
  }
  const std::array<std::uint32_t, 4> shown = shownPaletteColours(state, colours);
  const IndexedImage sheet{kTileSheetPictureSize, kTileSheetPictureSize, {shown.begin(), shown.end()},
                           tileSheetIndices(state.tileSheet)};
  const Expected<Bytes> indexed = encodeIndexedPng(sheet);
  require(static_cast<bool>(indexed), "the tile sheet encodes as PNG");
  sink("tile-sheet.png", prefixed(0, *indexed));
}

void fileSeeds(std::string_view target, const SeedSink& sink) {
  const EditorState& state = demoDocument().state;
  if (target == "nam_import") {
    for (const int screen : {0, 1}) {
      const Bytes table = exportNameTable(state, screen);
      sink("screen-" + std::to_string(screen) + ".nam", table);
      sink("screen-" + std::to_string(screen) + "-tiles.nam", Bytes(table.begin(), table.begin() + kNamTilesOnlySize));
    }
  } else if (target == "pal_import") {
    const Bytes palette = exportPaletteFile(state);
    sink("palette.pal", palette);
    sink("background.pal", Bytes(palette.begin(), palette.begin() + kBackgroundSetEntries));
  } else if (target == "chr_import") {
    const Expected<Bytes> tiles = encodeChrFile(state.tileSheet);
    require(static_cast<bool>(tiles), "the demo's tiles encode as .chr");
    sink("tiles.chr", *tiles);
  } else if (target == "clipboard_paste") {
    const CellRect rects[] = {{0, 0, 1, 1}, {3, 2, 6, 4}, {0, 0, 32, 30}, {20, 22, 12, 8}};
    int number = 0;
    for (const CellRect& rect : rects) {
      const std::string text = blockText(copyBlock(state, 0, rect));
      sink("block-" + std::to_string(number++) + ".txt", Bytes(text.begin(), text.end()));
    }
    const std::string typed = "fc 0a\t0B\r\n01   02\r\n\r\n  \n";
    sink("typed.txt", Bytes(typed.begin(), typed.end()));
  }
}

}  // namespace

void makeSeeds(std::string_view target, const SeedSink& sink) {
  if (target == "title_screen") {
    makeTitleScreenSeeds(sink);
  } else if (target == "ips_apply") {
    patchSeeds(PatchFormat::kIps, sink);
  } else if (target == "bps_apply") {
    patchSeeds(PatchFormat::kBps, sink);
  } else if (target == "patch_round_trip") {
    roundTripSeeds(sink);
  } else if (target == "picture_import") {
    pictureSeeds(sink);
  } else if (target == "bps_metadata") {
    metadataSeeds(sink);
  } else if (target == "master_palette") {
    masterPaletteSeeds(sink);
  } else {
    fileSeeds(target, sink);
  }
}

}  // namespace pelmora::fuzz
