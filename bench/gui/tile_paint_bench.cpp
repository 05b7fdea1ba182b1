// Painting in the Tile Editor through the real main window, with all five views shown: each
// pointer move of a drag paints a tile pixel and redraws only what shows that tile. Measured
// next to a full redraw of the views (what a redraw of everything would cost per move).
#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QMouseEvent>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cstdlib>

#include "app/main_window.h"
#include "app/tile_editor.h"
#include "app/tile_pixel_canvas.h"
#include "bench_window.h"
#include "demo/demo_image.h"
#include "state/tile_usage.h"
#include "rom/rom_file.h"

using pelmora::test::action;
using pelmora::test::view;

namespace {

// The demo open, the Tile Editor shown on the tile most cells of the title use.
struct OpenWindow : pelmora::bench::DemoWindow {
  OpenWindow() {
    action(window, "actionTileEditor")->trigger();
    window.document().state.selectedTile = mostUsedTile();
    window.tileEditor()->refresh();
    QApplication::processEvents();
  }

  std::uint8_t mostUsedTile() const {
    const auto counts = pelmora::countCarriedTileUses(window.document().state.ppuImage);
    std::size_t best = 0;
    for (std::size_t tile = 0; tile < counts.size(); ++tile) {
      if (tile != 0xFC && counts[tile] > counts[best]) best = tile;
    }
    return static_cast<std::uint8_t>(best);
  }
};

void send(QWidget* canvas, QEvent::Type type, QPoint position, Qt::MouseButtons buttons) {
  QMouseEvent event(type, QPointF(position), canvas->mapToGlobal(QPointF(position)),
                    type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, buttons,
                    Qt::NoModifier);
  QCoreApplication::sendEvent(canvas, &event);
}

// Each move goes to the other of two neighbouring pixels in the other colour value, so every
// move changes the tile.
void BM_PaintTilePixel(benchmark::State& state) {
  OpenWindow open;
  pelmora::app::TileEditor* editor = open.window.tileEditor();
  pelmora::app::TilePixelCanvas* canvas = editor->canvas();
  send(canvas, QEvent::MouseButtonPress, canvas->centreOf(3, 3), Qt::LeftButton);
  int step = 0;
  for (auto _ : state) {
    editor->chooseValue(1 + step % 2);
    send(canvas, QEvent::MouseMove, canvas->centreOf(3 + step % 2, 3), Qt::LeftButton);
    ++step;
  }
  send(canvas, QEvent::MouseButtonRelease, canvas->centreOf(3, 3), Qt::NoButton);
  state.counters["cellsShowingTile"] =
      static_cast<double>(pelmora::carriedCellsUsing(open.window.document().state.ppuImage,
                                                     open.window.document().state.selectedTile)
                              .size());
}
BENCHMARK(BM_PaintTilePixel)->Unit(benchmark::kMicrosecond);

// The baseline: every view drawn again, as a redraw of everything would do per move.
void BM_FullRedraw(benchmark::State& state) {
  OpenWindow open;
  for (auto _ : state) open.window.redrawAll();
}
BENCHMARK(BM_FullRedraw)->Unit(benchmark::kMicrosecond);

}  // namespace
