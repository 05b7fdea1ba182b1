// pelmora-cli as whole processes against the smallest programs that do the same file work:
// info, resave and import-png against cp of the same image, render against a program that only
// writes the same pixels with libspng, patch against cp of both files. Each iteration runs the
// baseline and then the command, so both see the same machine load; the counters give the
// fastest, the median and the slowest run of each and the ratio of the medians (of wall time,
// and of processor time, which is steadier on a busy machine), with the median page faults.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "demo/demo_image.h"
#include "formats/png_file.h"
#include "gfx/master_palette.h"
#include "gfx/screen_views.h"
#include "rom/rom_file.h"
#include "rom/safe_file_write.h"
#include "rom/title_import.h"

extern char** environ;

namespace pelmora {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

const fs::path& scratch() {
  static const fs::path folder = [] {
    fs::path path = fs::temp_directory_path() / ("pelmora-cli-bench-" + std::to_string(::getpid()));
    fs::create_directories(path / "copies");
    writeRomFile(buildDemoImage(), path / "demo.nes");
    return path;
  }();
  return folder;
}

struct ProcessRun {
  double wallSeconds = 0;
  double cpuSeconds = 0;  // user and system time of the process
  double pageFaults = 0;  // minor and major
};

double seconds(const timeval& time) {
  return static_cast<double>(time.tv_sec) + static_cast<double>(time.tv_usec) * 1e-6;
}

// Runs a program with its output thrown away.
ProcessRun runProcess(std::vector<std::string> words) {
  std::vector<char*> argv;
  for (std::string& word : words) argv.push_back(word.data());
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  ProcessRun run;
  const Clock::time_point start = Clock::now();
  pid_t child = 0;
  int status = 0;
  rusage usage{};
  if (posix_spawnp(&child, argv[0], &actions, nullptr, argv.data(), environ) == 0)
    ::wait4(child, &status, 0, &usage);
  run.wallSeconds = std::chrono::duration<double>(Clock::now() - start).count();
  run.cpuSeconds = seconds(usage.ru_utime) + seconds(usage.ru_stime);
  run.pageFaults = static_cast<double>(usage.ru_minflt + usage.ru_majflt);
  posix_spawn_file_actions_destroy(&actions);
  return run;
}

struct Spread {
  double least = 0;
  double median = 0;
  double most = 0;
};

Spread spreadOf(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t n = values.size();
  const double median = n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
  return {values.front(), median, values.back()};
}

struct Runs {
  std::vector<double> wall, cpu, faults;

  void add(const ProcessRun& run) {
    wall.push_back(run.wallSeconds);
    cpu.push_back(run.cpuSeconds);
    faults.push_back(run.pageFaults);
  }
};

void report(benchmark::State& state, const char* name, const Runs& runs) {
  const Spread wall = spreadOf(runs.wall);
  const std::string prefix(name);
  state.counters[prefix + "_min_ms"] = wall.least * 1e3;
  state.counters[prefix + "_median_ms"] = wall.median * 1e3;
  state.counters[prefix + "_max_ms"] = wall.most * 1e3;
  state.counters[prefix + "_faults"] = spreadOf(runs.faults).median;
}

void compareProcesses(benchmark::State& state, const std::vector<std::string>& subject,
                      const std::vector<std::string>& baseline) {
  Runs subjectRuns;
  Runs baselineRuns;
  for (auto _ : state) {
    baselineRuns.add(runProcess(baseline));
    subjectRuns.add(runProcess(subject));
  }
  report(state, "cmd", subjectRuns);
  report(state, "base", baselineRuns);
  state.counters["ratio"] = spreadOf(subjectRuns.wall).median / spreadOf(baselineRuns.wall).median;
  state.counters["cpu_ratio"] =
      spreadOf(subjectRuns.cpu).median / spreadOf(baselineRuns.cpu).median;
}

std::string at(const std::string& name) { return (scratch() / name).string(); }

constexpr int kRuns = 31;  // an odd count, so the median is one run

void BM_InfoOverCp(benchmark::State& state) {
  compareProcesses(state, {PELMORA_CLI_PATH, "info", at("demo.nes")},
                   {"cp", at("demo.nes"), at("copy.nes")});
}
BENCHMARK(BM_InfoOverCp)->Iterations(kRuns);

void BM_ResaveOverCp(benchmark::State& state) {
  compareProcesses(state, {PELMORA_CLI_PATH, "resave", at("demo.nes"), "-o", at("saved.nes")},
                   {"cp", at("demo.nes"), at("copy.nes")});
}
BENCHMARK(BM_ResaveOverCp)->Iterations(kRuns);

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
BENCHMARK(BM_RenderOverMinimalPngWriter)->Iterations(kRuns);

// A BPS patch between two files of the argument's MiB with 2,000 bytes changed, against one cp
// copying both files: the ratio should not grow with the size.
void BM_BpsPatchOverCpOfBoth(benchmark::State& state) {
  const auto size = static_cast<std::size_t>(state.range(0)) << 20;
  std::mt19937 random(5);
  std::vector<std::uint8_t> source(size);
  for (auto& byte : source) byte = static_cast<std::uint8_t>(random());
  std::vector<std::uint8_t> target = source;
  for (int i = 0; i < 2000; ++i) target[random() % target.size()] ^= 0x5A;
  writeFileSafely(scratch() / "source.bin", source, ExistingTail::kDrop, FlushToDisk::kSkip);
  writeFileSafely(scratch() / "target.bin", target, ExistingTail::kDrop, FlushToDisk::kSkip);
  compareProcesses(
      state, {PELMORA_CLI_PATH, "patch", at("source.bin"), at("target.bin"), "-o", at("out.bps")},
      {"cp", at("source.bin"), at("target.bin"), at("copies")});
}
BENCHMARK(BM_BpsPatchOverCpOfBoth)->Arg(1)->Arg(8)->Iterations(kRuns);

// A picture of random pixels (every pixel its own colour, every cell its own tile) imported
// with --reduce, against cp of the image.
void BM_ImportNoiseReduceOverCp(benchmark::State& state) {
  std::mt19937 random(7);
  RgbImage noise(256, 240);
  for (auto& pixel : noise.pixels) pixel = random() & 0x00FFFFFFu;
  writeRgbPng(noise, scratch() / "noise.png");
  compareProcesses(state,
                   {PELMORA_CLI_PATH, "import-png", at("demo.nes"), at("noise.png"), "--reduce",
                    "-o", at("imported.nes")},
                   {"cp", at("demo.nes"), at("copy.nes")});
}
BENCHMARK(BM_ImportNoiseReduceOverCp)->Iterations(kRuns);

}  // namespace
}  // namespace pelmora

BENCHMARK_MAIN();
