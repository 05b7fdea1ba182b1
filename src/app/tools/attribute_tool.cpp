// The attribute tool, always at work on the attribute views: a press gives the quadrant under
// the pointer the palette chosen with the four options, and a drag every quadrant on its path;
// each press or drag is one step of the history.
#include <memory>

#include "app/editor_document.h"
#include "app/tool.h"
#include "edit/screen_cells.h"
#include "edit/stroke.h"

namespace pelmora::app {
namespace {

class AttributeTool final : public Tool {
 public:
  using Tool::Tool;

  ActionSpec action() const override { return {}; }
  Views views() const override { return kAttributes; }

  // The attribute table of name table 2 is shown but not stored: a press there says so.
  void press(const ToolEvent& event) override {
    finish();
    if (!quadrantAt(event.x, event.y)) return;
    stroke_.emplace(event.nameTable, document().state().attrPaletteSel);
    nameTable_ = event.nameTable;
    move(event);
  }

  void move(const ToolEvent& event) override {
    const std::optional<CellPosition> quadrant = quadrantUnder(event.x, event.y);
    if (!quadrant || !stroke_ || event.nameTable != nameTable_) return;
    document().announceQuadrants(nameTable_, stroke_->moveTo(document().state(), *quadrant));
    if (!stroke_->refusal().empty()) showMessage(QString::fromStdString(stroke_->refusal()));
  }

  void release() override { finish(); }

  void finish() override {
    if (!stroke_) return;
    EditCommand command = stroke_->finish();
    stroke_.reset();
    document().recordPerformed(std::move(command));
  }

 private:
  std::optional<AttributeStroke> stroke_;
  int nameTable_ = 0;
};

}  // namespace

std::unique_ptr<Tool> makeAttributeTool(ToolContext context) {
  return std::make_unique<AttributeTool>(std::move(context));
}

}  // namespace pelmora::app
