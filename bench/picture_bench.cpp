// Importing a picture as the title and painting one tile pixel, each measured in the same run
// as a full redraw of the five views on the same state, so the ratio to that baseline means
// something on any machine.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdlib>
#include <random>

#include "demo/demo_image.h"
#include "gfx/master_palette.h"
#include "gfx/screen_views.h"
#include "gfx/tile_redraw.h"
#include "picture/colour_match.h"
#include "picture/title_picture_import.h"
#include "rom/title_import.h"

namespace {

using pelmora::EditorState;
using pelmora::PicturePalettes;
using pelmora::RgbImage;

struct Demo {
  EditorState state;
  pelmora::ColourTables colours;
  pelmora::ScreenViews views;

  Demo() {
    pelmora::initEditorState(state);
    pelmora::buildMasterPalette(state.ppuRegisters, colours);
    if (!pelmora::importTitleScreen(pelmora::buildDemoImage(), state)) std::abort();
    pelmora::redrawViews(views, state, colours);
  }
};

// The demo title as the editor shows it: name table 0 rows 0-23, name table 2 below.
RgbImage demoPicture(Demo& demo) {
  RgbImage picture(256, 240);
  for (int y = 0; y < 240; ++y) {
    for (int x = 0; x < 256; ++x)
      picture.at(x, y) = (y < 192 ? demo.views.NAT0 : demo.views.NAT1).pixel(x, y);
  }
  return picture;
}

// 400 distinct random tiles in four colours over rows 0-27, repeated to fill the screen.
RgbImage manyTilesPicture() {
  std::mt19937 random(400);
  pelmora::ColourMatch match;
  const std::uint32_t colours[4] = {match.rgb(0x0F), match.rgb(0x16), match.rgb(0x2A),
                                    match.rgb(0x30)};
  std::vector<std::uint8_t> tiles(400 * 64);
  for (auto& pixel : tiles) pixel = static_cast<std::uint8_t>(random() & 3u);
  RgbImage picture(256, 240);
  for (int y = 0; y < 240; ++y) {
    for (int x = 0; x < 256; ++x) {
      const std::size_t tile = static_cast<std::size_t>((y / 8) * 32 + x / 8) % 400;
      picture.at(x, y) = colours[tiles[tile * 64 + static_cast<std::size_t>((y % 8) * 8 + x % 8)]];
    }
  }
  return picture;
}

void importPicture(benchmark::State& state, const RgbImage& picture, PicturePalettes palettes,
                   bool reduce) {
  Demo demo;
  pelmora::PictureImportReport report;
  for (auto _ : state) {
    auto imported = pelmora::importTitlePicture(demo.state, picture, {palettes, reduce});
    if (!imported || !imported.value().fits) std::abort();
    report = imported.value().report;
    benchmark::DoNotOptimize(report);
  }
  state.counters["tilesUsed"] = report.tilesUsed;
  state.counters["tilesMerged"] = report.tilesMerged;
}

void BM_Baseline_FullRedrawOfTheViews(benchmark::State& state) {
  Demo demo;
  for (auto _ : state) {
    pelmora::redrawViews(demo.views, demo.state, demo.colours);
    benchmark::DoNotOptimize(demo.views.ATT1.pixels());
  }
}

void BM_ImportKeep(benchmark::State& state) {
  Demo demo;
  importPicture(state, demoPicture(demo), PicturePalettes::kKeep, false);
}

void BM_ImportFit(benchmark::State& state) {
  Demo demo;
  importPicture(state, demoPicture(demo), PicturePalettes::kFit, false);
}

void BM_ImportFitReduceFrom400Tiles(benchmark::State& state) {
  importPicture(state, manyTilesPicture(), PicturePalettes::kFit, true);
}

// One pixel of a tile the screens use painted, then only what shows that tile redrawn.
void BM_PaintPixelRedrawTile(benchmark::State& state) {
  Demo demo;
  const std::uint8_t tile = demo.state.ppuImage[0x2000 + 5 * 32 + 10];
  demo.state.selectedTile = tile;
  std::size_t pixel = 0;
  for (auto _ : state) {
    pixel = (pixel + 1) % 64;
    auto& value = demo.state.tileSheet[std::size_t{tile} * 64 + pixel];
    value = static_cast<std::uint8_t>((value + 1) & 3u);
    pelmora::redrawTile(demo.views, demo.state, tile, demo.colours);
    benchmark::DoNotOptimize(demo.views.NAT0.pixels());
  }
}

}  // namespace

BENCHMARK(BM_Baseline_FullRedrawOfTheViews)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ImportKeep)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ImportFit)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ImportFitReduceFrom400Tiles)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PaintPixelRedrawTile)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
