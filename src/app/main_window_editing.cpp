// Editing on the views: strokes of tiles and attribute quadrants, the select tool's rectangle,
// picking the tile under the pointer, the shading of the cells Save does not write, and the
// Edit menu's actions for them. Each finished edit goes into the history as one command.
#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QPainter>
#include <QStatusBar>

#include "app/edit_overlays.h"
#include "app/main_window.h"
#include "app/picture_surface.h"
#include "edit/screen_cells.h"
#include "edit/single_edits.h"
#include "edit/tile_placement.h"
#include "gfx/cell_redraw.h"

namespace pelmora::app {
namespace {

QAction* editAction(QMenu* menu, const QString& text, const QString& name,
                    const QKeySequence& shortcut) {
  QAction* action = menu->addAction(text);
  action->setObjectName(name);
  action->setShortcut(shortcut);
  return action;
}

}  // namespace

void MainWindow::buildEditActions() {
  editMenu->addSeparator();
  actionCut = editAction(editMenu, QStringLiteral("Cu&t"), QStringLiteral("actionCut"),
                         QKeySequence::Cut);
  actionCopy = editAction(editMenu, QStringLiteral("&Copy"), QStringLiteral("actionCopy"),
                          QKeySequence::Copy);
  actionPaste = editAction(editMenu, QStringLiteral("&Paste"), QStringLiteral("actionPaste"),
                           QKeySequence::Paste);
  actionDelete = editAction(editMenu, QStringLiteral("&Delete"), QStringLiteral("actionDelete"),
                            QKeySequence::Delete);
  actionFill = editAction(editMenu, QStringLiteral("&Fill with Selected Tile"),
                          QStringLiteral("actionFill"), QKeySequence(Qt::Key_F));
  connect(actionCut, &QAction::triggered, this, &MainWindow::cutSelection);
  connect(actionCopy, &QAction::triggered, this, &MainWindow::copySelection);
  connect(actionPaste, &QAction::triggered, this, &MainWindow::pasteBlock);
  connect(actionDelete, &QAction::triggered, this, &MainWindow::deleteSelection);
  connect(actionFill, &QAction::triggered, this, &MainWindow::fillSelection);

  editMenu->addSeparator();
  actionPaintTool = editAction(editMenu, QStringLiteral("P&aint Tool"),
                               QStringLiteral("actionPaintTool"), QKeySequence(Qt::Key_B));
  actionSelectTool = editAction(editMenu, QStringLiteral("&Select Tool"),
                                QStringLiteral("actionSelectTool"), QKeySequence(Qt::Key_S));
  auto* tools = new QActionGroup(this);
  for (QAction* tool : {actionPaintTool, actionSelectTool}) {
    tool->setCheckable(true);
    tools->addAction(tool);
  }
  actionPaintTool->setChecked(true);
  connect(actionPaintTool, &QAction::triggered, this, [this] { setEditTool(EditTool::kPaint); });
  connect(actionSelectTool, &QAction::triggered, this, [this] { setEditTool(EditTool::kSelect); });
  actionPickTile = editAction(editMenu, QStringLiteral("Pic&k Tile Under Pointer"),
                              QStringLiteral("actionPickTile"), QKeySequence(Qt::Key_I));
  connect(actionPickTile, &QAction::triggered, this, &MainWindow::pickTileUnderPointer);

  viewMenu->addSeparator();
  actionShading = editAction(viewMenu, QStringLiteral("&Shade Cells Not Stored in the ROM"),
                             QStringLiteral("actionShading"), {});
  actionShading->setCheckable(true);
  actionShading->setChecked(settings_.shadingShown());
  connect(actionShading, &QAction::toggled, this, &MainWindow::setShadingShown);
}

// The moves and releases of the views carry strokes and rectangles on; the overlays show the
// shading and the selection over the pictures the core drew.
void MainWindow::installEditing() {
  for (const int nameTable : {0, 2}) {
    screenView(nameTable)->setMoveHandler([this, nameTable](int buttons, int, float x, float y) {
      moveOnScreen(nameTable, buttons, x, y);
    });
    screenView(nameTable)->addFixedOverlay([this, nameTable](QPainter& painter, int zoom) {
      if (shadingShown()) paintRowsNotStored(painter, nameTable, screenView(nameTable)->size(), zoom);
    });
    screenView(nameTable)->addOverlay([this, nameTable](QPainter& painter, int zoom) {
      if (editing_.selection && editing_.selection->nameTable == nameTable)
        paintCellSelection(painter, editing_.selection->rect, zoom);
    });
  }
  ATT0->setMoveHandler(
      [this](int buttons, int, float x, float y) { moveOnAttributes(0, buttons, x, y); });
  ATT1->setMoveHandler(
      [this](int buttons, int, float x, float y) { moveOnAttributes(2, buttons, x, y); });
  ATT1->addFixedOverlay([this](QPainter& painter, int) {
    if (shadingShown()) paintViewNotStored(painter, ATT1->size());
  });
  for (PictureSurface* view : {NAT0, NAT1, ATT0, ATT1})
    view->setReleaseHandler([this](int, int, float, float) { releaseOnView(); });
}

PictureSurface* MainWindow::screenView(int nameTable) const {
  return nameTable == 0 ? NAT0 : NAT1;
}

bool MainWindow::shadingShown() const { return actionShading && actionShading->isChecked(); }

void MainWindow::setShadingShown(bool shown) {
  if (actionShading->isChecked() != shown) actionShading->setChecked(shown);  // toggles back here
  settings_.setShadingShown(shown);
  for (PictureSurface* view : {NAT0, NAT1, ATT1}) view->refreshFixedOverlays();
}

void MainWindow::refreshEditActions() {
  const bool editable = document_.loaded;
  const bool selected = editable && editing_.selection && !editing_.selection->rect.empty();
  for (QAction* action : {actionCut, actionCopy, actionDelete, actionFill})
    action->setEnabled(selected);
  for (QAction* action : {actionPaste, actionPaintTool, actionSelectTool, actionPickTile})
    action->setEnabled(editable);
}

void MainWindow::setEditTool(EditTool tool) {
  finishStroke();
  editing_.tool = tool;
  (tool == EditTool::kSelect ? actionSelectTool : actionPaintTool)->setChecked(true);
  const Qt::CursorShape shape = tool == EditTool::kSelect ? Qt::CrossCursor : Qt::ArrowCursor;
  for (const int nameTable : {0, 2}) screenView(nameTable)->setCursor(shape);
}

void MainWindow::pressScreen(int nameTable, float x, float y) {
  finishStroke();
  const std::optional<CellPosition> cell = tileCellAt(x, y);
  if (!cell) return;
  if (editing_.tool == EditTool::kSelect) {
    startSelection(nameTable, *cell);
    return;
  }
  editing_.tileStroke.emplace(nameTable, document_.state.selectedTile);
  editing_.strokeNameTable = nameTable;
  moveOnScreen(nameTable, kLeftButton, x, y);
}

// Every cell on the line from the last position to this one takes the tile; only those whose
// tile changed are drawn again.
void MainWindow::moveOnScreen(int nameTable, int /*buttons*/, float x, float y) {
  const std::optional<CellPosition> cell = tileCellUnder(x, y);
  if (!cell) return;
  if (editing_.selectionAnchor) {
    setSelection(
        CellSelection{nameTable, clippedToScreen(rectBetween(*editing_.selectionAnchor, *cell))});
    return;
  }
  if (!editing_.tileStroke || editing_.strokeNameTable != nameTable) return;
  const std::vector<CellPosition>& changed = editing_.tileStroke->moveTo(document_.state, *cell);
  if (!changed.empty()) redrawScreenCells(views_, nameTable, changed, document_.state, colours_);
  showRefusal(editing_.tileStroke->refusal());
}

void MainWindow::startSelection(int nameTable, CellPosition cell) {
  editing_.selectionAnchor = cell;
  setSelection(CellSelection{nameTable, rectBetween(cell, cell)});
}

void MainWindow::setSelection(std::optional<CellSelection> selection) {
  const auto sameAs = [&](const std::optional<CellSelection>& other) {
    return selection.has_value() == other.has_value() &&
           (!selection || (selection->nameTable == other->nameTable &&
                           selection->rect == other->rect));
  };
  if (sameAs(editing_.selection)) return;
  if (editing_.selection) screenView(editing_.selection->nameTable)->update();
  editing_.selection = selection;
  if (selection) screenView(selection->nameTable)->update();
  refreshEditActions();
}

void MainWindow::pressAttributes(int nameTable, float x, float y) {
  finishStroke();
  if (!quadrantAt(x, y)) return;
  editing_.attributeStroke.emplace(nameTable, document_.state.attrPaletteSel);
  editing_.strokeNameTable = nameTable;
  moveOnAttributes(nameTable, kLeftButton, x, y);
}

void MainWindow::moveOnAttributes(int nameTable, int /*buttons*/, float x, float y) {
  const std::optional<CellPosition> quadrant = quadrantUnder(x, y);
  if (!quadrant || !editing_.attributeStroke || editing_.strokeNameTable != nameTable) return;
  const std::vector<CellPosition>& changed =
      editing_.attributeStroke->moveTo(document_.state, *quadrant);
  if (!changed.empty())
    redrawAttributeQuadrants(views_, nameTable, changed, document_.state, colours_);
  showRefusal(editing_.attributeStroke->refusal());
}

void MainWindow::releaseOnView() {
  finishStroke();
  editing_.selectionAnchor.reset();
}

// A stroke's changes are already shown; its command goes into the history as one step.
void MainWindow::finishStroke() {
  if (editing_.tileStroke) {
    EditCommand command = editing_.tileStroke->finish();
    editing_.tileStroke.reset();
    recordPerformedCommand(std::move(command));
  }
  if (editing_.attributeStroke) {
    EditCommand command = editing_.attributeStroke->finish();
    editing_.attributeStroke.reset();
    recordPerformedCommand(std::move(command));
  }
}

void MainWindow::showRefusal(const std::string& reason) {
  if (reason.empty()) return;
  const QString text = QString::fromStdString(reason);
  if (statusBar()->currentMessage() != text) showStatusMessage(text);
}

void MainWindow::notePointer(int nameTable, double x, double y) {
  const std::optional<CellPosition> cell = tileCellAt(x, y);
  editing_.pointer = cell ? std::optional<PointerCell>(PointerCell{nameTable, *cell}) : std::nullopt;
}

// The tile under the pointer becomes the selected tile, as a press on the tile sheet would
// choose it.
void MainWindow::pickTileUnderPointer() {
  if (!editing_.pointer) return;
  if (!pickTile(document_.state, editing_.pointer->nameTable, editing_.pointer->cell)) return;
  const std::uint8_t tile = document_.state.selectedTile;
  pressTileSheet(0, 0, static_cast<float>(tileSheetX(tile)), static_cast<float>(tileSheetY(tile)));
}

}  // namespace pelmora::app
