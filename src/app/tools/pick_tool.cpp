// Pick Tile Under Pointer: the tile of the cell pointed at becomes the selected tile, as a
// press on the tile sheet would choose it. Its action applies at once; it is never chosen.
#include <QCoreApplication>
#include <memory>

#include "app/editor_document.h"
#include "app/tool.h"
#include "edit/screen_cells.h"
#include "edit/single_edits.h"

namespace pelmora::app {
namespace {

class PickTool final : public Tool {
 public:
  using Tool::Tool;

  ActionSpec action() const override {
    return {ActionSpec::kAction, "actionPickTile",
            QT_TRANSLATE_NOOP("Actions", "Pic&k Tile Under Pointer"), QKeySequence(Qt::Key_I)};
  }
  bool oneShot() const override { return true; }

  void press(const ToolEvent& event) override {
    const std::optional<CellPosition> cell = tileCellAt(event.x, event.y);
    if (cell && pickTile(document().state(), event.nameTable, *cell))
      document().selectTile(document().state().selectedTile);
  }
};

}  // namespace

std::unique_ptr<Tool> makePickTool(ToolContext context) {
  return std::make_unique<PickTool>(std::move(context));
}

}  // namespace pelmora::app
