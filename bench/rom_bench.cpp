// Import and export of the demo image against copying its ROM body in memory.
// The ratios (import / copy, export / copy) are what matters on a noisy machine.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <unistd.h>

#include "demo/demo_image.h"
#include "rom/rom_file.h"
#include "rom/title_export.h"
#include "rom/title_import.h"

namespace pelmora {
namespace {

const RomImage& demoImage() {
  static const RomImage image = buildDemoImage();
  return image;
}

void BM_CopyRomBody(benchmark::State& state) {
  const RomImage& rom = demoImage();
  std::vector<std::uint8_t> copy(rom.body.size());
  for (auto _ : state) {
    std::copy(rom.body.begin(), rom.body.end(), copy.begin());
    benchmark::DoNotOptimize(copy.data());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_CopyRomBody);

void BM_ImportTitleScreen(benchmark::State& state) {
  const RomImage& rom = demoImage();
  EditorState editor;
  for (auto _ : state) {
    const Status imported = importTitleScreen(rom, editor);
    benchmark::DoNotOptimize(imported.hasValue());
  }
}
BENCHMARK(BM_ImportTitleScreen);

void BM_ExportTitleScreen(benchmark::State& state) {
  RomImage rom = demoImage();
  EditorState editor;
  if (!importTitleScreen(rom, editor)) state.SkipWithError("demo image does not import");
  for (auto _ : state) {
    const Status exported = exportTitleScreen(editor, rom);
    benchmark::DoNotOptimize(exported.hasValue());
  }
}
BENCHMARK(BM_ExportTitleScreen);

void BM_LoadAndImportFromFile(benchmark::State& state) {
  const std::filesystem::path path =
      std::filesystem::temp_directory_path() / ("pelmora-bench-" + std::to_string(::getpid()) + ".nes");
  saveRomFile(demoImage(), path);
  RomImage rom;
  EditorState editor;
  for (auto _ : state) {
    loadRomFile(rom, path);
    const Status imported = importTitleScreen(rom, editor);
    benchmark::DoNotOptimize(imported.hasValue());
  }
  std::filesystem::remove(path);
}
BENCHMARK(BM_LoadAndImportFromFile);

}  // namespace
}  // namespace pelmora

BENCHMARK_MAIN();
