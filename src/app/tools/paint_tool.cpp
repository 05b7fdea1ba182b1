// The paint tool: a press places the selected tile and a drag paints it along the pointer's
// path; with Shift held, a press draws a straight line from the last placed cell instead. With
// a block of the tile sheet as the brush, a press places the whole block and a drag repeats it
// on the block's grid. Each press, drag or line is one step of the history; the Tile Editor
// follows the palette of the cell last placed.
#include <QCoreApplication>
#include <memory>

#include "app/editor_document.h"
#include "app/tool.h"
#include "edit/block_stroke.h"
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
    nameTable_ = event.nameTable;
    if (const std::optional<SheetBlock>& block = document().block()) {
      blockStroke_.emplace(nameTable_, block->tiles);
      paintTo(*cell);
      return;
    }
    stroke_.emplace(event.nameTable, document().state().selectedTile);
    // A line starts at the last placed cell, which already holds the tile.
    if (event.modifiers.testFlag(Qt::ShiftModifier) && last_ && last_->nameTable == nameTable_)
      stroke_->moveTo(document().state(), last_->cell);
    paintTo(*cell);
  }

  void move(const ToolEvent& event) override {
    const std::optional<CellPosition> cell = tileCellUnder(event.x, event.y);
    if (cell && (stroke_ || blockStroke_) && event.nameTable == nameTable_) paintTo(*cell);
  }

  void release() override { finish(); }

  // The stroke's changes are already shown; its command goes into the history as one step.
  void finish() override {
    if (!stroke_ && !blockStroke_) return;
    EditCommand command = stroke_ ? stroke_->finish() : blockStroke_->finish();
    stroke_.reset();
    blockStroke_.reset();
    document().recordPerformed(std::move(command));
  }

 private:
  struct PlacedCell {
    int nameTable = 0;
    CellPosition cell;
  };

  // Every cell on the line from the last position to `cell` takes the tile.
  void paintTo(CellPosition cell) {
    const auto& changed = stroke_ ? stroke_->moveTo(document().state(), cell)
                                  : blockStroke_->moveTo(document().state(), cell);
    document().announceCells(nameTable_, changed);
    last_ = PlacedCell{nameTable_, cell};
    document().followCell(nameTable_, cell);
    const std::string& refusal = stroke_ ? stroke_->refusal() : blockStroke_->refusal();
    if (!refusal.empty()) showMessage(QString::fromStdString(refusal));
  }

  std::optional<TileStroke> stroke_;
  std::optional<BlockStroke> blockStroke_;
  int nameTable_ = 0;
  std::optional<PlacedCell> last_;
};

}  // namespace

std::unique_ptr<Tool> makePaintTool(ToolContext context) {
  return std::make_unique<PaintTool>(std::move(context));
}

}  // namespace pelmora::app
