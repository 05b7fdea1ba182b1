#include "app/keyboard_cursor.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "app/editor_document.h"
#include "app/picture_surface.h"
#include "app/tool_manager.h"
#include "edit/screen_cells.h"
#include "state/saved_area.h"

namespace pelmora::app {
namespace {

// The frame: a dark line with a light one inside, seen on any colour.
void paintCursorFrame(QPainter& painter, QRect cell) {
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(Qt::black, 1));
  painter.drawRect(cell.adjusted(0, 0, -1, -1));
  painter.setPen(QPen(Qt::white, 1));
  painter.drawRect(cell.adjusted(1, 1, -2, -2));
}

int wrapped(int value, int count) { return ((value % count) + count) % count; }

}  // namespace

KeyboardCursor::KeyboardCursor(EditorDocument& document, ToolManager& tools, QObject* parent)
    : QObject(parent), document_(document), tools_(tools) {
  setObjectName(QStringLiteral("keyboardCursor"));
  // What a cell holds changes with every edit: the accessible names follow.
  connect(&document, &EditorDocument::historyChanged, this, [this] {
    for (Cursor& cursor : cursors_) {
      if (cursor.view) cursor.view->setAccessibleName(describe(cursor));
    }
  });
}

void KeyboardCursor::attach(PictureSurface* screen0, PictureSurface* attributes0,
                            PictureSurface* screen2, PictureSurface* attributes2) {
  cursors_ = {{{screen0, 0, false, {}, {}},
               {attributes0, 0, true, {}, {}},
               {screen2, 2, false, {}, {}},
               {attributes2, 2, true, {}, {}}}};
  for (Cursor& cursor : cursors_) {
    cursor.view->setFocusPolicy(Qt::StrongFocus);
    cursor.view->installEventFilter(this);
    cursor.view->setAccessibleName(describe(cursor));
    cursor.view->setAccessibleDescription(
        cursor.attributes ? tr("Arrow keys move by quadrant; Space or Enter sets its palette.")
                          : tr("Arrow keys move the cursor; Space or Enter applies the tool."));
    const Cursor* shown = &cursor;
    cursor.view->addOverlay([this, shown](QPainter& painter, int zoom) {
      if (!shown->view->hasFocus()) return;
      const int size = cellPixels(*shown) * zoom;
      paintCursorFrame(painter, QRect(shown->cell.column * size, shown->cell.row * size, size, size));
    });
  }
}

bool KeyboardCursor::eventFilter(QObject* watched, QEvent* event) {
  for (Cursor& cursor : cursors_) {
    if (cursor.view != watched) continue;
    switch (event->type()) {
      case QEvent::MouseButtonPress: {
        const QPointF at = cursor.view->toSurface(static_cast<QMouseEvent*>(event)->position());
        const CellPosition cell{static_cast<int>(at.x()) / cellPixels(cursor),
                                static_cast<int>(at.y()) / cellPixels(cursor)};
        if (at.x() >= 0 && at.y() >= 0 && (cursor.attributes ? isQuadrant(cell) : isTileCell(cell))) {
          cursor.cell = cell;
          cursor.anchor.reset();
          cursor.view->setAccessibleName(describe(cursor));
        }
        break;
      }
      case QEvent::FocusIn:
        show(cursor);
        break;
      case QEvent::FocusOut:
        cursor.view->update();
        break;
      case QEvent::KeyPress:
        return handleKey(cursor, *static_cast<QKeyEvent*>(event));
      default:
        break;
    }
    break;
  }
  return QObject::eventFilter(watched, event);
}

bool KeyboardCursor::handleKey(Cursor& cursor, const QKeyEvent& key) {
  const bool extend = key.modifiers().testFlag(Qt::ShiftModifier);
  switch (key.key()) {
    case Qt::Key_Left: moveBy(cursor, -1, 0, extend); return true;
    case Qt::Key_Right: moveBy(cursor, 1, 0, extend); return true;
    case Qt::Key_Up: moveBy(cursor, 0, -1, extend); return true;
    case Qt::Key_Down: moveBy(cursor, 0, 1, extend); return true;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter: apply(cursor, key.modifiers()); return true;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: {
      const int step = key.key() == Qt::Key_Tab ? 1 : -1;
      const int at = static_cast<int>(&cursor - cursors_.data());
      cursors_[static_cast<std::size_t>(wrapped(at + step, 4))].view->setFocus(Qt::TabFocusReason);
      return true;
    }
    default:
      return false;
  }
}

// Off one edge, the cursor comes back in at the other. With Shift and the select tool, the
// selection stretches from where the cursor stood when Shift was first held.
void KeyboardCursor::moveBy(Cursor& cursor, int columns, int rows, bool extend) {
  const bool selecting = extend && !cursor.attributes &&
                         tools_.activeTool() &&
                         qstrcmp(tools_.activeTool()->action().id, "actionSelectTool") == 0;
  if (selecting && !cursor.anchor) cursor.anchor = cursor.cell;
  if (!selecting) cursor.anchor.reset();
  cursor.cell.column = wrapped(cursor.cell.column + columns,
                               cursor.attributes ? kQuadrantColumns : kTileCellColumns);
  cursor.cell.row =
      wrapped(cursor.cell.row + rows, cursor.attributes ? kQuadrantRows : kTileCellRows);
  if (selecting)
    document_.setSelection(CellSelection{cursor.nameTable, rectBetween(*cursor.anchor, cursor.cell)});
  show(cursor);
}

void KeyboardCursor::apply(Cursor& cursor, Qt::KeyboardModifiers modifiers) {
  Tool* tool = tools_.toolFor(cursor.attributes ? Tool::kAttributes : Tool::kScreens);
  if (!tool || !document_.loaded()) return;
  tool->applyAt(cellEvent(cursor.nameTable, cursor.cell, cellPixels(cursor), modifiers));
  show(cursor);
}

// The frame moves, the readout follows as it follows the pointer, and a screen reader hears
// the new cell.
void KeyboardCursor::show(Cursor& cursor) {
  cursor.view->update();
  const double centre = cellPixels(cursor) / 2.0;
  cursor.view->hover(cursor.cell.column * cellPixels(cursor) + centre,
                     cursor.cell.row * cellPixels(cursor) + centre);
  cursor.view->setAccessibleName(describe(cursor));
  if (QAccessible::isActive()) {
    QAccessibleEvent moved(cursor.view, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&moved);
  }
}

QString KeyboardCursor::describe(const Cursor& cursor) const {
  const EditorState& state = document_.state();
  const CellPosition cell = cursor.cell;
  if (cursor.attributes) {
    const std::uint8_t attribute = state.ppuImage[attributeAddress(cursor.nameTable, cell)];
    return tr("Attribute table %1, column %2, row %3, palette %4, %5")
        .arg(cursor.nameTable)
        .arg(cell.column)
        .arg(cell.row)
        .arg(quadrantPaletteOf(attribute, cell))
        .arg(isAttributeTableCarried(cursor.nameTable) ? tr("saved to the ROM")
                                                       : tr("not saved to the ROM"));
  }
  const std::uint8_t tile = state.ppuImage[tileAddress(cursor.nameTable, cell)];
  return tr("Name table %1, column %2, row %3, tile $%4, %5")
      .arg(cursor.nameTable)
      .arg(cell.column)
      .arg(cell.row)
      .arg(QString::number(tile, 16).toUpper().rightJustified(2, QLatin1Char('0')))
      .arg(isTileRowCarried(cursor.nameTable, cell.row) ? tr("saved to the ROM")
                                                        : tr("not saved to the ROM"));
}

}  // namespace pelmora::app
