#pragma once

#include <QObject>
#include <array>

#include "state/cell_position.h"

class QKeyEvent;

namespace pelmora::app {

class EditorDocument;
class PictureSurface;
class ToolManager;

// Editing without a mouse. Each screen and attribute view has a cursor, drawn as a frame while
// the view has the focus, that follows the last pressed cell: the arrow keys move it (wrapping
// at the edges; Shift+arrows stretch the selection with the select tool), Space or Enter apply
// the tool there, and Tab moves between the views. On the attribute views it moves by quadrant.
// The status bar's readout and the view's accessible name follow the cursor, and a screen
// reader is told of each move.
class KeyboardCursor : public QObject {
  Q_OBJECT

 public:
  KeyboardCursor(EditorDocument& document, ToolManager& tools, QObject* parent);

  // The views in Tab order: NAT0, ATT0, NAT1, ATT1 (name tables 0 and 2).
  void attach(PictureSurface* screen0, PictureSurface* attributes0, PictureSurface* screen2,
              PictureSurface* attributes2);
  // The cursor's cell (quadrant on an attribute view) on view `index` of the Tab order.
  CellPosition position(int index) const { return cursors_[static_cast<std::size_t>(index)].cell; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct Cursor {
    PictureSurface* view = nullptr;
    int nameTable = 0;
    bool attributes = false;
    CellPosition cell;
    std::optional<CellPosition> anchor;  // where a Shift+arrow selection started
  };

  bool handleKey(Cursor& cursor, const QKeyEvent& key);
  void moveBy(Cursor& cursor, int columns, int rows, bool extend);
  void apply(Cursor& cursor, Qt::KeyboardModifiers modifiers);
  void show(Cursor& cursor);
  QString describe(const Cursor& cursor) const;
  int cellPixels(const Cursor& cursor) const { return cursor.attributes ? 16 : 8; }

  EditorDocument& document_;
  ToolManager& tools_;
  std::array<Cursor, 4> cursors_{};
};

}  // namespace pelmora::app
