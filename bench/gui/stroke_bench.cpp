// A drag stroke through the real main window: each pointer move with the button held places
// the tile in the next cell and redraws only that cell. Measured next to the same moves without
// a button (the pointer readout alone), each both as the event alone and with the window's paint
// that follows it (Qt paints at most once per frame, however many moves arrive).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QMouseEvent>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cstdlib>

#include "app/main_window.h"
#include "app/picture_surface.h"
#include "bench_window.h"
#include "demo/demo_image.h"
#include "rom/rom_file.h"

using pelmora::test::action;
using pelmora::test::view;

namespace {

using OpenWindow = pelmora::bench::DemoWindow;

constexpr int kStoredCells = 32 * 24;  // the rows of name table 0 that Save carries

// The stored cells one after another, row by row, every other row right to left: each step
// moves to a neighbouring cell.
QPointF cellCentre(int step) {
  const int row = (step / 32) % 24;
  const int column = row % 2 == 0 ? step % 32 : 31 - step % 32;
  return {column * 8 + 4.0, row * 8 + 4.0};
}

void send(QWidget* view, QEvent::Type type, QPointF position, Qt::MouseButtons buttons) {
  QMouseEvent event(type, position, view->mapToGlobal(position),
                    type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, buttons,
                    Qt::NoModifier);
  QCoreApplication::sendEvent(view, &event);
}

// Starts a stroke with `tile` at the first stored cell.
void pressWith(pelmora::app::MainWindow& window, int tile) {
  window.document().state.selectedTile = static_cast<std::uint8_t>(tile);
  send(view(window, "NAT0"), QEvent::MouseButtonPress, cellCentre(0), Qt::LeftButton);
}

// Each move enters the next stored cell with the button held (first argument 1) or without it
// (0, the baseline: only the readout changes); with the second argument 1 the window then
// paints. A stroke that has covered every stored cell ends, and the next one places another
// tile, so every move changes its cell.
void BM_StrokeMove(benchmark::State& state) {
  OpenWindow open;
  pelmora::app::MainWindow& window = open.window;
  const bool held = state.range(0) != 0;
  const bool painted = state.range(1) != 0;
  int tile = 0x40;
  if (held) pressWith(window, tile);
  int step = 1;
  const int repaintsBefore = view(window, "NAT0")->repaintRequests();
  for (auto _ : state) {
    if (step == kStoredCells) {
      state.PauseTiming();
      if (held) {
        send(view(window, "NAT0"), QEvent::MouseButtonRelease, cellCentre(step - 1), Qt::NoButton);
        pressWith(window, tile ^= 1);
      }
      step = 1;
      state.ResumeTiming();
    }
    send(view(window, "NAT0"), QEvent::MouseMove, cellCentre(step++), held ? Qt::LeftButton : Qt::NoButton);
    if (painted) QCoreApplication::processEvents();
  }
  state.counters["viewRedraws"] = benchmark::Counter(
      view(window, "NAT0")->repaintRequests() - repaintsBefore, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_StrokeMove)
    ->ArgNames({"held", "painted"})
    ->Args({0, 0})
    ->Args({1, 0})
    ->Args({0, 1})
    ->Args({1, 1})
    ->Unit(benchmark::kMicrosecond);

}  // namespace
