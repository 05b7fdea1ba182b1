// Creating a BPS patch of an 8 MiB image with 2,000 changed bytes, against reading both images
// from their files. Each iteration times both in turn, so the ratio compares runs under the
// same machine load.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <random>

#include "patch/bps_patch.h"
#include "rom/rom_file.h"
#include "rom/safe_file_write.h"

namespace pelmora {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;
using Bytes = std::vector<std::uint8_t>;

constexpr std::size_t kImageSize = 8u << 20;
constexpr int kChangedBytes = 2000;

void BM_CreateBpsOverReadingBoth(benchmark::State& state) {
  std::mt19937 random(5);
  Bytes source(kImageSize);
  for (auto& byte : source) byte = static_cast<std::uint8_t>(random());
  Bytes target = source;
  for (int i = 0; i < kChangedBytes; ++i) target[random() % target.size()] ^= 0x5A;
  const fs::path folder = fs::temp_directory_path() / ("pelmora-bps-bench-" + std::to_string(::getpid()));
  fs::create_directories(folder);
  writeFileSafely(folder / "source.bin", source, ExistingTail::kDrop);
  writeFileSafely(folder / "target.bin", target, ExistingTail::kDrop);

  double readTime = 0;
  double createTime = 0;
  std::size_t patchSize = 0;
  for (auto _ : state) {
    Clock::time_point start = Clock::now();
    const auto readSource = readFileContent(folder / "source.bin");
    const auto readTarget = readFileContent(folder / "target.bin");
    readTime += std::chrono::duration<double>(Clock::now() - start).count();
    start = Clock::now();
    const Bytes patch = createBpsPatch(readSource.value(), readTarget.value());
    createTime += std::chrono::duration<double>(Clock::now() - start).count();
    patchSize = patch.size();
    benchmark::DoNotOptimize(patch.data());
  }
  const double runs = static_cast<double>(state.iterations());
  state.counters["create_ms"] = createTime / runs * 1e3;
  state.counters["read_both_ms"] = readTime / runs * 1e3;
  state.counters["ratio"] = createTime / readTime;
  state.counters["patch_bytes"] = static_cast<double>(patchSize);
  fs::remove_all(folder);
}
BENCHMARK(BM_CreateBpsOverReadingBoth)->Iterations(30);

}  // namespace
}  // namespace pelmora

BENCHMARK_MAIN();
