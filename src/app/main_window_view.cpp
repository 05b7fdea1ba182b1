// What the View menu changes: the grid and marks over the views, and the zoom; and files
// dropped on the window.
#include <QAction>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QPainter>
#include <QMenuBar>
#include <QScrollArea>
#include <QStatusBar>
#include <QUrl>
#include <algorithm>

#include "app/control_area.h"
#include "app/main_window.h"
#include "app/picture_surface.h"
#include "app/view_overlays.h"
#include "edit/tile_placement.h"

namespace pelmora::app {
namespace {

// The first local .nes file among the dropped ones, or nothing.
QString droppedRomFile(const QMimeData* data) {
  if (!data || !data->hasUrls()) return {};
  for (const QUrl& url : data->urls()) {
    if (url.isLocalFile() && url.toLocalFile().endsWith(QStringLiteral(".nes"), Qt::CaseInsensitive))
      return url.toLocalFile();
  }
  return {};
}

// What the window shows around its control area. Before the window is first shown its widgets
// have not been laid out (the scroll area's viewport still has Qt's default size), so the
// frame is then taken from the menu bar and the status bar the window will have.
QSize frameAroundControls(const QMainWindow& window, const QScrollArea& area) {
  if (window.isVisible()) return window.size() - area.viewport()->size();
  return {0, window.menuBar()->sizeHint().height() + window.statusBar()->sizeHint().height()};
}

}  // namespace

void MainWindow::installOverlays() {
  for (PictureSurface* view : {NAT0, NAT1, ATT0, ATT1}) {
    view->addFixedOverlay([this, view](QPainter& painter, int zoom) {
      if (gridShown()) paintScreenGrid(painter, view->size(), zoom);
    });
  }
  PAT0->addFixedOverlay([this](QPainter& painter, int zoom) {
    if (gridShown()) paintTileSheetGrid(painter, PAT0->size(), zoom);
  });
  PAT0->addOverlay([this](QPainter& painter, int zoom) {
    if (!gridShown()) return;
    const std::uint8_t tile = document_.state.selectedTile;
    paintSelectedTileFrame(painter, QPoint(tileSheetX(tile), tileSheetY(tile)), zoom);
  });
}

bool MainWindow::gridShown() const { return actionGrid && actionGrid->isChecked(); }

// The grid and the selected tile's frame are drawn by the widgets over the views; the
// surfaces are not drawn again.
void MainWindow::setGridShown(bool shown) {
  if (actionGrid->isChecked() != shown) actionGrid->setChecked(shown);  // toggles back here
  settings_.setGridShown(shown);
  for (PictureSurface* view : {NAT0, NAT1, ATT0, ATT1, PAT0}) view->refreshFixedOverlays();
}

void MainWindow::zoomIn() { setZoom(zoom_ + 1); }

void MainWindow::zoomOut() { setZoom(zoom_ - 1); }

void MainWindow::actualSize() { setZoom(1); }

void MainWindow::setZoom(int zoom) {
  zoom_ = std::clamp(zoom, 1, kMaximumZoom);
  settings_.setZoom(zoom_);
  applyZoom();
}

void MainWindow::applyZoom() {
  controlArea_->setZoom(zoom_);
  actionZoomIn->setEnabled(zoom_ < kMaximumZoom);
  actionZoomOut->setEnabled(zoom_ > 1);
  // The window grows to show the whole area where the screen has room; it may be made
  // smaller again, and the area then scrolls.
  const QSize wanted = controlArea_->size() + frameAroundControls(*this, *scrollArea_);
  if (isVisible()) {
    resize(size().expandedTo(wanted));
  } else {
    resize(wanted);
  }
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
  if (!droppedRomFile(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
  const QString path = droppedRomFile(event->mimeData());
  if (path.isEmpty()) return;
  event->acceptProposedAction();
  openPath(path);
}

}  // namespace pelmora::app
