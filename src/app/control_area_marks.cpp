// What the control area paints over the views (grid, shading of what Save does not write, the
// selected rectangle, the cells using the tile under the pointer, the free tiles) and what it
// says under the pointer. Moving the pointer only changes the readout's text; no view is drawn
// again.
#include <QAction>
#include <QPainter>
#include <cmath>

#include "app/action_registry.h"
#include "app/colour_square.h"
#include "app/control_area.h"
#include "app/edit_overlays.h"
#include "app/picture_surface.h"
#include "app/tile_usage_overlays.h"
#include "app/tool_manager.h"
#include "app/view_overlays.h"
#include "edit/pointer_readout.h"
#include "edit/tile_placement.h"
#include "rom/title_layout.h"

namespace pelmora::app {
namespace {

constexpr std::int32_t kChrBankSize = 4096;
constexpr int kSheetLast = 255;  // the tile sheet view is 256 x 256

// Where the title's CHR bank starts in the image body, once an image is open.
std::optional<std::int32_t> titleChrBank(const Document& document) {
  if (!document.loaded) return std::nullopt;
  return static_cast<std::int32_t>(document.rom.chrOffset()) +
         title::kTitleChrBank * kChrBankSize;
}

// The tile under a tile sheet position, rounded as the presses round it; nothing outside.
std::optional<std::uint8_t> sheetTileAt(double x, double y) {
  const double px = std::nearbyint(x);
  const double py = std::nearbyint(y);
  if (px < 0 || py < 0 || px > kSheetLast || py > kSheetLast) return std::nullopt;
  return static_cast<std::uint8_t>((static_cast<int>(py) / 16) * 16 + static_cast<int>(px) / 16);
}

}  // namespace

void ControlArea::installMarks() {
  // The empty window says how to open an image, on the first screen view.
  screens_[0]->addOverlay([this](QPainter& painter, int) {
    if (!document_.loaded()) paintViewNote(painter, screens_[0]->size(), openingHint());
  });
  for (PictureSurface* view : {screens_[0], screens_[1], attributes_[0], attributes_[1]}) {
    const bool screen = view == screens_[0] || view == screens_[1];
    view->addFixedOverlay([this, view, screen](QPainter& painter, int zoom) {
      if (gridShown_) {
        paintScreenGrid(painter, view->size(), zoom);
      } else if (screen && attributeGridShown_) {
        paintAttributeGrid(painter, view->size(), zoom);
      }
    });
  }
  tileSheet_->addFixedOverlay([this](QPainter& painter, int zoom) {
    if (gridShown_) paintTileSheetGrid(painter, tileSheet_->size(), zoom);
  });
  // The selected tile, or the block brush, is always framed.
  tileSheet_->addOverlay([this](QPainter& painter, int zoom) {
    if (!document_.loaded()) return;
    if (const std::optional<SheetBlock>& block = document_.block()) {
      paintSelectedTileFrame(painter, QPoint(block->rect.column * 16, block->rect.row * 16), zoom,
                             QSize(block->rect.width, block->rect.height));
      return;
    }
    const std::uint8_t tile = document_.state().selectedTile;
    paintSelectedTileFrame(painter, QPoint(tileSheetX(tile), tileSheetY(tile)), zoom);
  });
  for (const int nameTable : {0, 2}) {
    PictureSurface* view = screenView(nameTable);
    view->addFixedOverlay([this, view, nameTable](QPainter& painter, int zoom) {
      if (shadingShown_) paintRowsNotStored(painter, nameTable, view->size(), zoom);
    });
    view->addOverlay([this, nameTable](QPainter& painter, int zoom) {
      const std::optional<CellSelection>& selection = document_.selection();
      if (selection && selection->nameTable == nameTable)
        paintCellSelection(painter, selection->rect, zoom);
    });
    view->addOverlay([this, nameTable](QPainter& painter, int zoom) {
      paintTileUsers(painter, tileUsers_, nameTable, zoom);
    });
  }
  attributes_[1]->addFixedOverlay([this](QPainter& painter, int) {
    if (shadingShown_) paintViewNotStored(painter, attributes_[1]->size());
  });
  // The free tiles are counted afresh at each paint (a few hundred cells).
  tileSheet_->addOverlay([this](QPainter& painter, int zoom) {
    if (!freeTilesShown_ || !document_.loaded()) return;
    paintFreeTileMarks(painter, freeTiles(countCarriedTileUses(document_.state().ppuImage)), zoom);
  });
}

QString ControlArea::openingHint() const {
  const QAction* open = actions_.find(QStringLiteral("actionOpen"));
  QString hint = tr("No image is open.\n\nOpen an NES image (.nes) with File > Open (%1), or "
                    "drop one on the window.")
                     .arg(open->shortcut().toString(QKeySequence::NativeText));
  const QAction* demo = actions_.find(QStringLiteral("actionOpenDemo"));
  if (demo != nullptr && demo->isVisible())
    hint += tr("\n\nFile > Open Demo Image opens an example to try.");
  return hint;
}

// The grid and the selected tile's frame are drawn by the widgets over the views; the
// surfaces are not drawn again.
void ControlArea::setGridShown(bool shown) {
  gridShown_ = shown;
  for (PictureSurface* view : {screens_[0], screens_[1], attributes_[0], attributes_[1], tileSheet_})
    view->refreshFixedOverlays();
}

void ControlArea::setShadingShown(bool shown) {
  shadingShown_ = shown;
  for (PictureSurface* view : {screens_[0], screens_[1], attributes_[1]})
    view->refreshFixedOverlays();
}

void ControlArea::setFreeTilesShown(bool shown) {
  freeTilesShown_ = shown;
  tileSheet_->update();
}

// Each hover keeps how to describe what lies under the pointer, so that the readout can say it
// again once the document changes under a pointer that stays still (a press, an undo, a key).
void ControlArea::installReadouts(ToolManager& tools) {
  for (const int nameTable : {0, 2}) {
    screenView(nameTable)->setHoverHandler([this, &tools, nameTable](double x, double y) {
      tools.notePointer(nameTable, x, y);
      followPointer([this, nameTable, x, y] {
        return screenReadout(document_.state(), nameTable, x, y);
      });
    });
    attributes_[nameTable / 2]->setHoverHandler([this, nameTable](double x, double y) {
      followPointer([this, nameTable, x, y] {
        return attributeReadout(document_.state(), nameTable, x, y);
      });
    });
  }
  tileSheet_->setHoverHandler([this](double x, double y) {
    followPointer([this, x, y] {
      return tileSheetReadout(titleChrBank(document_.core()), x, y) + followTileUsage(x, y);
    });
  });
  const auto squares = [this](const std::vector<ColourSquare*>& row, std::uint8_t target) {
    for (int i = 0; i < static_cast<int>(row.size()); ++i) {
      connect(row[static_cast<std::size_t>(i)], &ColourSquare::hovered, this, [this, target, i] {
        followPointer([this, target, i] {
          return paletteSquareReadout(document_.state(), target, i);
        });
      });
      connect(row[static_cast<std::size_t>(i)], &ColourSquare::left, this,
              [this] { followPointer({}); });
    }
  };
  squares(romSquares_, kTargetRomPalette);
  squares(setSquares_, kTargetBackgroundSets);
  squares(coinSquares_, kTargetCoinPalette);
  connect(&document_, &EditorDocument::changed, this, &ControlArea::refreshReadout);
  connect(&document_, &EditorDocument::cellsChanged, this, &ControlArea::refreshReadout);
  connect(&document_, &EditorDocument::quadrantsChanged, this, &ControlArea::refreshReadout);
  connect(&document_, &EditorDocument::tileChanged, this, &ControlArea::refreshReadout);
  connect(&document_, &EditorDocument::selectedTileChanged, this, &ControlArea::refreshReadout);
}

void ControlArea::followPointer(std::function<std::string()> describe) {
  pointerReadout_ = std::move(describe);
  refreshReadout();
}

void ControlArea::refreshReadout() {
  emit readoutChanged(QString::fromStdString(pointerReadout_ ? pointerReadout_() : std::string()));
}

// Follows the pointer over the tile sheet: the cells that show the tile under it are
// highlighted, and the returned readout part says how many there are.
std::string ControlArea::followTileUsage(double x, double y) {
  const std::optional<std::uint8_t> tile = document_.loaded() ? sheetTileAt(x, y) : std::nullopt;
  const PpuImage& ppu = document_.state().ppuImage;
  std::vector<TileCell> users = tile ? carriedCellsUsing(ppu, *tile) : std::vector<TileCell>{};
  if (users != tileUsers_) {
    tileUsers_ = std::move(users);
    screens_[0]->update();
    screens_[1]->update();
  }
  if (!tile) return {};
  if (!tileUsers_.empty())
    return " \xC2\xB7 used by " + std::to_string(tileUsers_.size()) +
           (tileUsers_.size() == 1 ? " cell" : " cells");
  return freeTiles(countCarriedTileUses(ppu))[*tile]
             ? std::string(" \xC2\xB7 free")
             : std::string(" \xC2\xB7 used by no cell, kept for blanking the screens");
}

}  // namespace pelmora::app
