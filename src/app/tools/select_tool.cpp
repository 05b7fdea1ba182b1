// The select tool: a press and drag mark a rectangle of cells on one screen, which Cut, Copy,
// Delete and Fill then work on.
#include <QCoreApplication>
#include <memory>

#include "app/editor_document.h"
#include "app/tool.h"
#include "edit/screen_cells.h"

namespace pelmora::app {
namespace {

class SelectTool final : public Tool {
 public:
  using Tool::Tool;

  ActionSpec action() const override {
    return {ActionSpec::kAction, "actionSelectTool", QT_TRANSLATE_NOOP("Actions", "&Select Tool"),
            QKeySequence(Qt::Key_S)};
  }
  Qt::CursorShape cursor() const override { return Qt::CrossCursor; }

  void press(const ToolEvent& event) override {
    const std::optional<CellPosition> cell = tileCellAt(event.x, event.y);
    if (!cell) return;
    anchor_ = *cell;
    document().setSelection(CellSelection{event.nameTable, rectBetween(*cell, *cell)});
  }

  void move(const ToolEvent& event) override {
    const std::optional<CellPosition> cell = tileCellUnder(event.x, event.y);
    if (!cell || !anchor_) return;
    document().setSelection(
        CellSelection{event.nameTable, clippedToScreen(rectBetween(*anchor_, *cell))});
  }

  void release() override { anchor_.reset(); }
  void finish() override { anchor_.reset(); }

 private:
  std::optional<CellPosition> anchor_;  // where the rectangle started, while the button is held
};

}  // namespace

std::unique_ptr<Tool> makeSelectTool(ToolContext context) {
  return std::make_unique<SelectTool>(std::move(context));
}

}  // namespace pelmora::app
