// pelmora-cli as whole processes against the smallest programs that do the same file work:
// info and resave against cp of the same image, render against a program that only writes the
// same pixels with libspng. Each iteration times both in turn, so the ratio compares runs under
// the same machine load.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "demo/demo_image.h"
#include "formats/png_file.h"
#include "gfx/master_palette.h"
#include "gfx/screen_views.h"
#include "rom/rom_file.h"
#include "rom/title_import.h"

extern char** environ;

namespace pelmora {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

const fs::path& scratch() {
  static const fs::path folder = [] {
    fs::path path = fs::temp_directory_path() / ("pelmora-cli-bench-" + std::to_string(::getpid()));
    fs::create_directories(path);
    writeRomFile(buildDemoImage(), path / "demo.nes");
    return path;
  }();
  return folder;
}

// Runs a program with its output thrown away; the time it took from start to exit.
double runSeconds(std::vector<std::string> words) {
  std::vector<char*> argv;
  for (std::string& word : words) argv.push_back(word.data());
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  const Clock::time_point start = Clock::now();
  pid_t child = 0;
  int status = 0;
  if (posix_spawnp(&child, argv[0], &actions, nullptr, argv.data(), environ) == 0)
    ::waitpid(child, &status, 0);
  const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
  posix_spawn_file_actions_destroy(&actions);
  return seconds;
}

void compareProcesses(benchmark::State& state, const std::vector<std::string>& subject,
                      const std::vector<std::string>& baseline) {
  double subjectTime = 0;
  double baselineTime = 0;
  for (auto _ : state) {
    baselineTime += runSeconds(baseline);
    subjectTime += runSeconds(subject);
  }
  const double runs = static_cast<double>(state.iterations());
  state.counters["ms"] = subjectTime / runs * 1e3;
  state.counters["baseline_ms"] = baselineTime / runs * 1e3;
  state.counters["ratio"] = subjectTime / baselineTime;
}

std::string at(const char* name) { return (scratch() / name).string(); }

void BM_InfoOverCp(benchmark::State& state) {
  compareProcesses(state, {PELMORA_CLI_PATH, "info", at("demo.nes")},
                   {"cp", at("demo.nes"), at("copy.nes")});
}
BENCHMARK(BM_InfoOverCp)->Iterations(100);

void BM_ResaveOverCp(benchmark::State& state) {
  compareProcesses(state, {PELMORA_CLI_PATH, "resave", at("demo.nes"), "-o", at("saved.nes")},
                   {"cp", at("demo.nes"), at("copy.nes")});
}
BENCHMARK(BM_ResaveOverCp)->Iterations(100);

// The raw pixels of the demo's name table 0 view, for the minimal writer.
std::string screenPixels() {
  RomImage rom = buildDemoImage();
  EditorState editor;
  importTitleScreen(rom, editor);
  ColourTables colours;
  buildMasterPalette(PpuRegisters{}, colours);
  ScreenViews views;
  redrawViews(views, editor, colours);
  const RgbImage image = surfaceImage(views.NAT0);
  std::vector<std::uint8_t> rgb;
  for (const std::uint32_t pixel : image.pixels) {
    rgb.insert(rgb.end(), {static_cast<std::uint8_t>(pixel), static_cast<std::uint8_t>(pixel >> 8),
                           static_cast<std::uint8_t>(pixel >> 16)});
  }
  const fs::path path = scratch() / "screen0.rgb";
  FILE* file = std::fopen(path.c_str(), "wb");
  std::fwrite(rgb.data(), 1, rgb.size(), file);
  std::fclose(file);
  return path.string();
}

void BM_RenderOverMinimalPngWriter(benchmark::State& state) {
  const std::string pixels = screenPixels();
  compareProcesses(state,
                   {PELMORA_CLI_PATH, "render", at("demo.nes"), "--view", "screen0", "-o",
                    at("render.png")},
                   {PELMORA_MINIMAL_PNG_WRITER, pixels, "256", "240", at("minimal.png")});
}
BENCHMARK(BM_RenderOverMinimalPngWriter)->Iterations(100);

}  // namespace
}  // namespace pelmora

BENCHMARK_MAIN();
