// Editing on the demo image: undo and redo of a whole-screen stroke against placing the same
// tiles directly, the memory a long history holds, and one move of a drag stroke with the redraw
// of the cells it changed against the full redraw of the view.
#include <benchmark/benchmark.h>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <new>
#include <vector>

#include "demo/demo_image.h"
#include "edit/document.h"
#include "edit/edit_history.h"
#include "edit/single_edits.h"
#include "edit/stroke.h"
#include "edit/tile_placement.h"
#include "gfx/cell_redraw.h"
#include "gfx/master_palette.h"
#include "gfx/screen_views.h"
#include "rom/title_import.h"
#include "state/ppu_map.h"

// Every allocation of the program carries its size in front of it, so the bytes alive at any
// moment can be counted.
namespace {

std::atomic<std::int64_t> liveBytes{0};
constexpr std::size_t kSizeField = alignof(std::max_align_t);

void* allocate(std::size_t size) {
  auto* block = static_cast<unsigned char*>(std::malloc(size + kSizeField));
  if (!block) throw std::bad_alloc();
  *reinterpret_cast<std::size_t*>(block) = size;
  liveBytes += static_cast<std::int64_t>(size);
  return block + kSizeField;
}

void release(void* pointer) noexcept {
  if (!pointer) return;
  auto* block = static_cast<unsigned char*>(pointer) - kSizeField;
  liveBytes -= static_cast<std::int64_t>(*reinterpret_cast<std::size_t*>(block));
  std::free(block);
}

}  // namespace

void* operator new(std::size_t size) { return allocate(size); }
void* operator new[](std::size_t size) { return allocate(size); }
void operator delete(void* pointer) noexcept { release(pointer); }
void operator delete[](void* pointer) noexcept { release(pointer); }
void operator delete(void* pointer, std::size_t) noexcept { release(pointer); }
void operator delete[](void* pointer, std::size_t) noexcept { release(pointer); }

namespace {

using Clock = std::chrono::steady_clock;
using pelmora::CellPosition;
using pelmora::Document;

constexpr int kColumns = 32;
constexpr int kRows = 30;
constexpr int kScreenCells = kColumns * kRows;  // 960

Document demoDocument() {
  Document document;
  document.rom = pelmora::buildDemoImage();
  pelmora::initEditorState(document.state);
  if (!pelmora::importTitleScreen(document.rom, document.state)) std::abort();
  document.loaded = true;
  return document;
}

double secondsSince(Clock::time_point start) {
  return std::chrono::duration<double>(Clock::now() - start).count();
}

// A command over all 960 cells of name table 0, as a stroke across the whole screen records it.
pelmora::EditCommand wholeScreenStroke(const Document& document, std::uint8_t tile) {
  std::vector<pelmora::ByteChange> changes;
  for (int cell = 0; cell < kScreenCells; ++cell) {
    const auto address = static_cast<std::uint32_t>(pelmora::ppu_address::kNameTable0 + cell);
    changes.push_back({address, pelmora::StatePart::kPpuImage, document.state.ppuImage[address], tile});
  }
  return pelmora::EditCommand(pelmora::command_name::kPaintTiles, std::move(changes));
}

// The baseline: the same 960 tiles placed one press at a time, straight into the state.
void placeWholeScreen(pelmora::EditorState& state, std::uint8_t tile) {
  state.selectedTile = tile;
  for (int row = 0; row < kRows; ++row) {
    for (int column = 0; column < kColumns; ++column) {
      pelmora::placeTile(state, 0, column * 8 + 4, row * 8 + 4);
    }
  }
  benchmark::DoNotOptimize(state.ppuImage.data());
  benchmark::ClobberMemory();
}

// Undo and redo of the stroke and the direct placing in turn within each iteration; the reported
// time is undo's. Goals: undo_us and redo_us at most 1000, both ratios at most 5.
void BM_StrokeUndoRedoOverPlacing(benchmark::State& state) {
  Document document = demoDocument();
  pelmora::EditorState placed = document.state;
  pelmora::perform(document, wholeScreenStroke(document, 0x2B));
  double undoSeconds = 0, redoSeconds = 0, placeSeconds = 0;
  std::uint8_t tile = 0;
  for (auto _ : state) {
    auto start = Clock::now();
    pelmora::undo(document);
    const double undo = secondsSince(start);
    start = Clock::now();
    pelmora::redo(document);
    redoSeconds += secondsSince(start);
    benchmark::DoNotOptimize(document.state.ppuImage.data());
    start = Clock::now();
    placeWholeScreen(placed, ++tile);
    placeSeconds += secondsSince(start);
    undoSeconds += undo;
    state.SetIterationTime(undo);
  }
  const double iterations = static_cast<double>(state.iterations());
  state.counters["undo_us"] = undoSeconds / iterations * 1e6;
  state.counters["redo_us"] = redoSeconds / iterations * 1e6;
  state.counters["place_us"] = placeSeconds / iterations * 1e6;
  state.counters["undo_ratio"] = placeSeconds > 0 ? undoSeconds / placeSeconds : 0;
  state.counters["redo_ratio"] = placeSeconds > 0 ? redoSeconds / placeSeconds : 0;
}
BENCHMARK(BM_StrokeUndoRedoOverPlacing)->UseManualTime()->Unit(benchmark::kMicrosecond);

// The bytes a history of 10,000 single-tile edits holds, counted from the allocations alive after
// it was built (goal: history_KiB at most 1024).
void BM_HistoryOf10000TileEdits(benchmark::State& state) {
  constexpr int kEdits = 10000;
  std::int64_t historyBytes = 0;
  std::size_t recorded = 0;
  for (auto _ : state) {
    state.PauseTiming();
    Document document = demoDocument();
    const std::int64_t before = liveBytes.load();
    state.ResumeTiming();
    for (int edit = 0; edit < kEdits; ++edit) {
      const CellPosition cell{edit % kColumns, (edit / kColumns) % 24};
      const auto address = static_cast<std::size_t>(pelmora::ppu_address::kNameTable0 +
                                                    cell.row * kColumns + cell.column);
      document.state.selectedTile = static_cast<std::uint8_t>(document.state.ppuImage[address] + 1);
      pelmora::perform(document, pelmora::placeTileCommand(document.state, 0, cell).value());
    }
    state.PauseTiming();
    historyBytes = liveBytes.load() - before;
    recorded = document.history.undoCount();
    state.ResumeTiming();
  }
  if (recorded != kEdits) state.SkipWithError("an edit was not recorded");
  state.counters["history_KiB"] = static_cast<double>(historyBytes) / 1024;
  state.counters["bytes_per_edit"] = static_cast<double>(historyBytes) / kEdits;
}
BENCHMARK(BM_HistoryOf10000TileEdits)->Unit(benchmark::kMillisecond);

// Pointer positions of a fast drag: jumps of three cells, back and forth over rows 0-23.
CellPosition dragPosition(int step) {
  const int lap = step % 16;
  return {lap < 8 ? lap * 4 : (15 - lap) * 4, (step / 3) % 24};
}

struct StrokeFixture {
  Document document = demoDocument();
  pelmora::ColourTables colours;
  pelmora::ScreenViews views;

  StrokeFixture() {
    pelmora::buildMasterPalette(document.state.ppuRegisters, colours);
    pelmora::redrawViews(views, document.state, colours);
  }
};

// One move event of a tile stroke (the line of cells, the tiles placed, the changed cells
// redrawn), with the full redraw of the same view in the same iteration as the baseline. The
// reported time is the move's (goal: at most 100 us).
void BM_TileStrokeMove(benchmark::State& state) {
  StrokeFixture fixture;
  auto stroke = std::make_unique<pelmora::TileStroke>(0, 0x01);
  double moveSeconds = 0, fullSeconds = 0;
  int step = 0;
  for (auto _ : state) {
    if (step % 48 == 0) {  // a new stroke with another tile now and then, so moves keep changing
      pelmora::recordPerformed(fixture.document, stroke->finish());
      stroke = std::make_unique<pelmora::TileStroke>(0, static_cast<std::uint8_t>(step / 48));
    }
    auto start = Clock::now();
    const auto& changed = stroke->moveTo(fixture.document.state, dragPosition(step++));
    pelmora::redrawScreenCells(fixture.views, 0, changed, fixture.document.state, fixture.colours);
    const double move = secondsSince(start);
    start = Clock::now();
    pelmora::redrawNameTableView(fixture.views, 0, fixture.document.state, fixture.colours);
    fullSeconds += secondsSince(start);
    moveSeconds += move;
    state.SetIterationTime(move);
  }
  const double iterations = static_cast<double>(state.iterations());
  state.counters["move_us"] = moveSeconds / iterations * 1e6;
  state.counters["full_redraw_us"] = fullSeconds / iterations * 1e6;
}
BENCHMARK(BM_TileStrokeMove)->UseManualTime()->Unit(benchmark::kMicrosecond);

// The same for an attribute stroke: quadrants on the attribute view and their tiles on the screen.
void BM_AttributeStrokeMove(benchmark::State& state) {
  StrokeFixture fixture;
  auto stroke = std::make_unique<pelmora::AttributeStroke>(0, 1);
  double moveSeconds = 0;
  int step = 0;
  for (auto _ : state) {
    if (step % 48 == 0) {
      pelmora::recordPerformed(fixture.document, stroke->finish());
      stroke = std::make_unique<pelmora::AttributeStroke>(0, static_cast<std::uint8_t>(step / 48));
    }
    const auto start = Clock::now();
    const CellPosition cell = dragPosition(step++);
    const auto& changed = stroke->moveTo(fixture.document.state, {cell.column / 2, cell.row / 2});
    pelmora::redrawAttributeQuadrants(fixture.views, 0, changed, fixture.document.state,
                                      fixture.colours);
    const double move = secondsSince(start);
    moveSeconds += move;
    state.SetIterationTime(move);
  }
  state.counters["move_us"] = moveSeconds / static_cast<double>(state.iterations()) * 1e6;
}
BENCHMARK(BM_AttributeStrokeMove)->UseManualTime()->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
