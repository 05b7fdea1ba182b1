// The title's tiles in the window: the Tile Editor dock, View > Tile Editor and Show Free
// Tiles, the tile usage shown while the pointer is over the tile sheet, and the redraw of one
// tile as it is painted.
#include <QAction>
#include <QMenu>
#include <QPainter>
#include <QTimer>
#include <cmath>

#include "app/control_area.h"
#include "app/main_window.h"
#include "app/picture_surface.h"
#include "app/tile_editor.h"
#include "app/tile_usage_overlays.h"
#include "gfx/tile_redraw.h"

namespace pelmora::app {
namespace {

const QString kSharedTilesNotice = QStringLiteral(
    "Tiles are shared: other screens of the game may use the same tiles and change with them.");
constexpr int kNoticeMs = 10000;
constexpr int kSheetLast = 255;  // the tile sheet view is 256 x 256

// The tile under a tile sheet position, rounded as the presses round it; nothing outside.
std::optional<std::uint8_t> sheetTileAt(double x, double y) {
  const double px = std::nearbyint(x);
  const double py = std::nearbyint(y);
  if (px < 0 || py < 0 || px > kSheetLast || py > kSheetLast) return std::nullopt;
  return static_cast<std::uint8_t>((static_cast<int>(py) / 16) * 16 + static_cast<int>(px) / 16);
}

}  // namespace

void MainWindow::buildTileEditing() {
  tileEditor_ = new TileEditor(*this);
  addDockWidget(Qt::RightDockWidgetArea, tileEditor_);
  tileEditor_->hide();
  viewMenu->addSeparator();
  actionTileEditor = tileEditor_->toggleViewAction();
  actionTileEditor->setText(QStringLiteral("&Tile Editor"));
  actionTileEditor->setObjectName(QStringLiteral("actionTileEditor"));
  viewMenu->addAction(actionTileEditor);
  // Shown docked, the window grows by what the dock takes from the views, once the dock has
  // been laid out, rather than squeezing the views into scrolling.
  connect(tileEditor_, &QDockWidget::visibilityChanged, this, [this](bool visible) {
    if (!visible || tileEditor_->isFloating() || !isVisible()) return;
    QTimer::singleShot(0, this, [this] {
      const int missing = controlArea_->width() - centralWidget()->width();
      if (missing > 0) resize(width() + missing, height());
    });
  });
  actionShowFreeTiles = viewMenu->addAction(QStringLiteral("Show &Free Tiles"));
  actionShowFreeTiles->setObjectName(QStringLiteral("actionShowFreeTiles"));
  actionShowFreeTiles->setCheckable(true);
  actionShowFreeTiles->setChecked(settings_.freeTilesShown());
  connect(actionShowFreeTiles, &QAction::toggled, this, &MainWindow::setFreeTilesShown);
  connect(this, &MainWindow::selectedTileShown, tileEditor_, &TileEditor::refresh);
  connect(this, &MainWindow::historyChanged, tileEditor_, &TileEditor::refresh);
  buildTileFileActions();
  installTileUsage();
  tileEditor_->refresh();
}

void MainWindow::redrawTile(std::uint8_t tile) {
  pelmora::redrawTile(views_, document_.state, tile, colours_);
}

void MainWindow::noteTileEdit() {
  if (tileEditNoted_) return;
  tileEditNoted_ = true;
  showStatusMessage(kSharedTilesNotice, kNoticeMs);
}

bool MainWindow::freeTilesShown() const {
  return actionShowFreeTiles && actionShowFreeTiles->isChecked();
}

void MainWindow::setFreeTilesShown(bool shown) {
  if (actionShowFreeTiles->isChecked() != shown) actionShowFreeTiles->setChecked(shown);
  settings_.setFreeTilesShown(shown);
  PAT0->update();
}

// The screen views tint the cells that show the tile under the pointer; the tile sheet marks
// the free tiles, counted afresh at each paint (a few hundred cells).
void MainWindow::installTileUsage() {
  const auto users = [this](int nameTable) {
    return [this, nameTable](QPainter& painter, int zoom) {
      paintTileUsers(painter, tileUsers_, nameTable, zoom);
    };
  };
  NAT0->addOverlay(users(0));
  NAT1->addOverlay(users(2));
  PAT0->addOverlay([this](QPainter& painter, int zoom) {
    if (!freeTilesShown() || !document_.loaded) return;
    paintFreeTileMarks(painter, freeTiles(countCarriedTileUses(document_.state.ppuImage)), zoom);
  });
}

// Follows the pointer over the tile sheet: the cells that show the tile under it are
// highlighted, and the returned readout part says how many there are.
std::string MainWindow::followTileUsage(double x, double y) {
  const std::optional<std::uint8_t> tile = document_.loaded ? sheetTileAt(x, y) : std::nullopt;
  std::vector<TileCell> users =
      tile ? carriedCellsUsing(document_.state.ppuImage, *tile) : std::vector<TileCell>{};
  if (users != tileUsers_) {
    tileUsers_ = std::move(users);
    NAT0->update();
    NAT1->update();
  }
  if (!tile) return {};
  if (!tileUsers_.empty())
    return " \xC2\xB7 used by " + std::to_string(tileUsers_.size()) +
           (tileUsers_.size() == 1 ? " cell" : " cells");
  return freeTiles(countCarriedTileUses(document_.state.ppuImage))[*tile]
             ? std::string(" \xC2\xB7 free")
             : std::string(" \xC2\xB7 used by no cell, kept for blanking the screens");
}

}  // namespace pelmora::app
