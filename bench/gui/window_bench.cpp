// The main window's pointer readout and its redraw with the grid on, each next to a baseline in
// the same run: the same pointer move sent to a plain widget that tracks the mouse, and a
// widget of the view's size that fills its pixels, painted the same way.
#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
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

// Moves across name table 0 so that each event names another cell.
void sendMoves(benchmark::State& state, QWidget* target, int zoom) {
  int step = 0;
  for (auto _ : state) {
    const QPointF position((step * 7 % 256) * zoom, (step * 3 % 240) * zoom);
    QMouseEvent move(QEvent::MouseMove, position, target->mapToGlobal(position), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &move);
    ++step;
  }
}

// Baseline: the same events delivered to a widget that only tracks the mouse.
void BM_MouseMovePlainWidget(benchmark::State& state) {
  QWidget plain;
  plain.setMouseTracking(true);
  plain.resize(256, 240);
  plain.show();
  sendMoves(state, &plain, 1);
}
BENCHMARK(BM_MouseMovePlainWidget)->Unit(benchmark::kMicrosecond);

// The readout over name table 0 at 1x and 2x; `surfaceRedraws` must stay 0.
void BM_MouseMoveWithReadout(benchmark::State& state) {
  OpenWindow open;
  const int zoom = static_cast<int>(state.range(0));
  open.window.setZoom(zoom);
  const int redrawsBefore = view(open.window, "NAT0")->repaintRequests();
  sendMoves(state, view(open.window, "NAT0"), zoom);
  state.counters["surfaceRedraws"] = view(open.window, "NAT0")->repaintRequests() - redrawsBefore;
}
BENCHMARK(BM_MouseMoveWithReadout)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

// A widget of the view's size whose paint fills all its pixels with one colour.
class FilledWidget : public QWidget {
 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.fillRect(rect(), QColor(10, 20, 30));
  }
};

// Baseline: the same paint path (a widget rendered into an image of its size), filling as many
// pixels as the view shows.
void BM_FillSamePixels(benchmark::State& state) {
  FilledWidget widget;
  widget.setAttribute(Qt::WA_OpaquePaintEvent);
  widget.resize(256, 240);
  QImage target(widget.size(), QImage::Format_RGB32);
  for (auto _ : state) {
    widget.render(&target);
    benchmark::DoNotOptimize(target.constBits());
  }
}
BENCHMARK(BM_FillSamePixels)->Unit(benchmark::kMicrosecond);

// A widget of the view's size whose paint copies a picture of its size.
class CopyingWidget : public QWidget {
 public:
  QImage picture{256, 240, QImage::Format_RGB32};

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.drawImage(0, 0, picture);
  }
};

// Second baseline: the same paint path copying as many pixels from a picture, the least any
// paint that shows a picture does.
void BM_CopySamePixels(benchmark::State& state) {
  CopyingWidget widget;
  widget.setAttribute(Qt::WA_OpaquePaintEvent);
  widget.resize(256, 240);
  widget.picture.fill(QColor(10, 20, 30));
  QImage target(widget.size(), QImage::Format_RGB32);
  for (auto _ : state) {
    widget.render(&target);
    benchmark::DoNotOptimize(target.constBits());
  }
}
BENCHMARK(BM_CopySamePixels)->Unit(benchmark::kMicrosecond);

// A full paint of name table 0's view with the grid on (argument 1) or off (0), into an image
// of its size.
void BM_RedrawViewWithGrid(benchmark::State& state) {
  OpenWindow open;
  action(open.window, "actionGrid")->setChecked(state.range(0) != 0);
  QImage target(view(open.window, "NAT0")->size(), QImage::Format_RGB32);
  for (auto _ : state) {
    view(open.window, "NAT0")->render(&target);
    benchmark::DoNotOptimize(target.constBits());
  }
}
BENCHMARK(BM_RedrawViewWithGrid)->Arg(1)->Arg(0)->Unit(benchmark::kMicrosecond);

}  // namespace
