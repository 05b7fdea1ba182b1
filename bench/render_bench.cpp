// The main window's full redraw of the five views on the demo image, measured against the
// cheapest possible way of touching the same pixels: filling plain buffers of the views' sizes.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "demo/demo_image.h"
#include "gfx/master_palette.h"
#include "gfx/screen_views.h"
#include "rom/title_import.h"

namespace {

using pelmora::ColourTables;
using pelmora::EditorState;
using pelmora::ScreenViews;

constexpr int kRedrawPixels = 256 * 256 + 4 * 256 * 240;

struct Fixture {
  EditorState state;
  ColourTables colours;
  ScreenViews views;

  Fixture() {
    pelmora::initEditorState(state);
    pelmora::buildMasterPalette(state.ppuRegisters, colours);
    if (!pelmora::importTitleScreen(pelmora::buildDemoImage(), state)) std::abort();
  }

  void redraw() {
    pelmora::redrawViews(views, state, colours);
    benchmark::DoNotOptimize(views.ATT1.pixels());
    benchmark::ClobberMemory();
  }
};

// Plain buffers of the five views' sizes.
struct FillBuffers {
  std::vector<std::vector<std::uint32_t>> buffers{
      std::vector<std::uint32_t>(256 * 256), std::vector<std::uint32_t>(256 * 240),
      std::vector<std::uint32_t>(256 * 240), std::vector<std::uint32_t>(256 * 240),
      std::vector<std::uint32_t>(256 * 240)};
  std::uint32_t colour = 0;

  void fill() {
    ++colour;
    for (auto& buffer : buffers) {
      std::fill(buffer.begin(), buffer.end(), colour);
      benchmark::DoNotOptimize(buffer.data());
    }
    benchmark::ClobberMemory();
  }
};

void setPixelRate(benchmark::State& state) {
  state.counters["pixels"] = benchmark::Counter(static_cast<double>(kRedrawPixels),
                                                benchmark::Counter::kIsIterationInvariantRate);
}

void BM_FullRedraw(benchmark::State& state) {
  Fixture fixture;
  for (auto _ : state) fixture.redraw();
  setPixelRate(state);
}
BENCHMARK(BM_FullRedraw)->Unit(benchmark::kMicrosecond);

void BM_FillBaseline(benchmark::State& state) {
  FillBuffers fill;
  for (auto _ : state) fill.fill();
  setPixelRate(state);
}
BENCHMARK(BM_FillBaseline)->Unit(benchmark::kMicrosecond);

// Both in turn within each iteration, so that other load on the machine hits them alike; the
// reported time is the redraw's, `ratio` is redraw time over fill time (goal: at most 3).
void BM_RedrawOverFill(benchmark::State& state) {
  using Clock = std::chrono::steady_clock;
  Fixture fixture;
  FillBuffers fill;
  double redrawSeconds = 0;
  double fillSeconds = 0;
  for (auto _ : state) {
    const auto start = Clock::now();
    fixture.redraw();
    const auto middle = Clock::now();
    fill.fill();
    const auto end = Clock::now();
    const double redraw = std::chrono::duration<double>(middle - start).count();
    redrawSeconds += redraw;
    fillSeconds += std::chrono::duration<double>(end - middle).count();
    state.SetIterationTime(redraw);
  }
  const double iterations = static_cast<double>(state.iterations());
  state.counters["redraw_us"] = redrawSeconds / iterations * 1e6;
  state.counters["fill_us"] = fillSeconds / iterations * 1e6;
  state.counters["ratio"] = fillSeconds > 0 ? redrawSeconds / fillSeconds : 0;
}
BENCHMARK(BM_RedrawOverFill)->UseManualTime()->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
