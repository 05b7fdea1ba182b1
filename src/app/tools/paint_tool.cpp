// The paint tool: a press places the selected tile and a drag paints it along the pointer's
// path; with Shift held, a press draws a straight line from the last placed cell instead.
// Each press, drag or line is one step of the history.
#include <QCoreApplication>
#include <memory>

#include "app/editor_document.h"
#include "app/tool.h"
#include "edit/screen_cells.h"
#include "edit/stroke.h"

namespace pelmora::app {
namespace {

class PaintTool final : public Tool {
 public:
  using Tool::Tool;

  ActionSpec action() const override {
    return {ActionSpec::kAction, "actionPaintTool", QT_TRANSLATE_NOOP("Actions", "P&aint Tool"),
            QKeySequence(Qt::Key_B)};
  }

  void press(const ToolEvent& event) override {
    finish();
    const std::optional<CellPosition> cell = tileCellAt(event.x, event.y);
    if (!cell) return;
    stroke_.emplace(event.nameTable, document().state().selectedTile);
    nameTable_ = event.nameTable;
    // A line starts at the last placed cell, which already holds the tile.
    if (event.modifiers.testFlag(Qt::ShiftModifier) && last_ && last_->nameTable == nameTable_)
      stroke_->moveTo(document().state(), last_->cell);
    paintTo(*cell);
  }

  void move(const ToolEvent& event) override {
    const std::optional<CellPosition> cell = tileCellUnder(event.x, event.y);
    if (cell && stroke_ && event.nameTable == nameTable_) paintTo(*cell);
  }

  void release() override { finish(); }

  // The stroke's changes are already shown; its command goes into the history as one step.
  void finish() override {
    if (!stroke_) return;
    EditCommand command = stroke_->finish();
    stroke_.reset();
    document().recordPerformed(std::move(command));
  }

 private:
  struct PlacedCell {
    int nameTable = 0;
    CellPosition cell;
  };

  // Every cell on the line from the last position to `cell` takes the tile.
  void paintTo(CellPosition cell) {
    document().announceCells(nameTable_, stroke_->moveTo(document().state(), cell));
    last_ = PlacedCell{nameTable_, cell};
    if (!stroke_->refusal().empty()) showMessage(QString::fromStdString(stroke_->refusal()));
  }

  std::optional<TileStroke> stroke_;
  int nameTable_ = 0;
  std::optional<PlacedCell> last_;
};

}  // namespace

std::unique_ptr<Tool> makePaintTool(ToolContext context) {
  return std::make_unique<PaintTool>(std::move(context));
}

}  // namespace pelmora::app
