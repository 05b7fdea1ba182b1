// The bucket fill tool: a press fills the region of same-tile cells around the pressed cell
// (4-connected, within the cells Save writes) with the selected tile, as one step of the history.
#include <QCoreApplication>
#include <memory>

#include "app/editor_document.h"
#include "app/tool.h"
#include "edit/region_fill.h"
#include "edit/screen_cells.h"

namespace pelmora::app {
namespace {

class BucketFillTool final : public Tool {
 public:
  using Tool::Tool;

  ActionSpec action() const override {
    return {ActionSpec::kAction, "actionBucketFillTool",
            QT_TRANSLATE_NOOP("Actions", "&Bucket Fill Tool"), QKeySequence(Qt::SHIFT | Qt::Key_F)};
  }
  Qt::CursorShape cursor() const override { return Qt::PointingHandCursor; }

  void press(const ToolEvent& event) override {
    const std::optional<CellPosition> cell = tileCellAt(event.x, event.y);
    if (!cell) return;
    Expected<EditCommand> fill = regionFillCommand(document().state(), event.nameTable, *cell,
                                                   document().state().selectedTile);
    if (!fill) return showMessage(QString::fromStdString(fill.error().what));
    document().perform(std::move(fill.value()));
  }
};

}  // namespace

std::unique_ptr<Tool> makeBucketFillTool(ToolContext context) {
  return std::make_unique<BucketFillTool>(std::move(context));
}

}  // namespace pelmora::app
