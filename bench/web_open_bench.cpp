// The native side of the page benchmark (bench/web): Open of the demo image from a file and the
// five views drawn, in-process, the work the page does for Open in the browser.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>

#include "demo/demo_image.h"
#include "edit/document.h"
#include "edit/tile_placement.h"
#include "gfx/master_palette.h"
#include "gfx/screen_views.h"
#include "rom/rom_file.h"

namespace {

using namespace pelmora;

void BM_OpenAndDrawViews(benchmark::State& state) {
  const std::filesystem::path path =
      std::filesystem::temp_directory_path() / "pelmora-web-open-bench.nes";
  if (writeRomFile(buildDemoImage(), path) != kRomFileOk) {
    state.SkipWithError("the demo image could not be written");
    return;
  }
  ColourTables colours;
  buildMasterPalette(PpuRegisters{}, colours);
  ScreenViews views;
  for (auto _ : state) {
    Document document;
    const OpenResult opened = openDocument(document, path);
    redrawViews(views, document.state, colours);
    copyTilePreview(views.PAT0, document.state.selectedTile, views.picSelTile);
    benchmark::DoNotOptimize(opened.status);
    benchmark::DoNotOptimize(views.NAT0.pixels());
  }
  std::filesystem::remove(path);
}
BENCHMARK(BM_OpenAndDrawViews)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
