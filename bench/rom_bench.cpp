// Import and export of the demo image against copying its ROM body in memory.
// The ratios (import / copy, export / copy) are what matters on a noisy machine.
#include <benchmark/benchmark.h>

#include <array>
#include <chrono>
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

// Copy, import and export timed in turn within each iteration, so the ratios compare runs under
// the same machine load.
void BM_CodecOverCopy(benchmark::State& state) {
  using Clock = std::chrono::steady_clock;
  RomImage rom = demoImage();
  std::vector<std::uint8_t> copy(rom.body.size());
  EditorState editor;
  std::array<double, 3> seconds{};  // copy, import, export
  for (auto _ : state) {
    const auto start = Clock::now();
    std::copy(rom.body.begin(), rom.body.end(), copy.begin());
    benchmark::ClobberMemory();
    const auto copied = Clock::now();
    const bool imported = importTitleScreen(rom, editor).hasValue();
    const auto afterImport = Clock::now();
    const bool exported = exportTitleScreen(editor, rom).hasValue();
    const auto afterExport = Clock::now();
    if (!imported || !exported) state.SkipWithError("the demo image does not round-trip");
    seconds[0] += std::chrono::duration<double>(copied - start).count();
    seconds[1] += std::chrono::duration<double>(afterImport - copied).count();
    seconds[2] += std::chrono::duration<double>(afterExport - afterImport).count();
    state.SetIterationTime(std::chrono::duration<double>(afterExport - copied).count());
  }
  const double iterations = static_cast<double>(state.iterations());
  state.counters["copy_us"] = seconds[0] / iterations * 1e6;
  state.counters["import_us"] = seconds[1] / iterations * 1e6;
  state.counters["export_us"] = seconds[2] / iterations * 1e6;
  state.counters["import_ratio"] = seconds[1] / seconds[0];
  state.counters["export_ratio"] = seconds[2] / seconds[0];
}
BENCHMARK(BM_CodecOverCopy)->UseManualTime()->Unit(benchmark::kMicrosecond);

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
