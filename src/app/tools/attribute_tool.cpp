// The attribute tools: a press gives the 16 x 16 area under the pointer the palette chosen with
// the four options, and a drag every area on its path; each press or drag is one step of the
// history. One is always at work on the attribute views; the other (key A) is chosen like the
// paint tool and works on the screens, where the attribute grid shows while it is chosen.
#include <QCoreApplication>
#include <memory>

#include "app/editor_document.h"
#include "app/tool.h"
#include "edit/screen_cells.h"
#include "edit/stroke.h"

namespace pelmora::app {
namespace {

class AttributeStrokeTool : public Tool {
 public:
  using Tool::Tool;

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

class AttributeTool final : public AttributeStrokeTool {
 public:
  using AttributeStrokeTool::AttributeStrokeTool;

  ActionSpec action() const override { return {}; }
  Views views() const override { return kAttributes; }
};

class ScreenAttributeTool final : public AttributeStrokeTool {
 public:
  using AttributeStrokeTool::AttributeStrokeTool;

  ActionSpec action() const override {
    return {ActionSpec::kAction, "actionAttributeTool",
            QT_TRANSLATE_NOOP("Actions", "A&ttribute Tool"), QKeySequence(Qt::Key_A)};
  }
  Qt::CursorShape cursor() const override { return Qt::CrossCursor; }
  QString statusText() const override {
    return QCoreApplication::translate(
        "Tools", "Attribute Tool: a press or drag gives each 16 x 16 area the chosen palette");
  }
};

}  // namespace

std::unique_ptr<Tool> makeAttributeTool(ToolContext context) {
  return std::make_unique<AttributeTool>(std::move(context));
}

std::unique_ptr<Tool> makeScreenAttributeTool(ToolContext context) {
  return std::make_unique<ScreenAttributeTool>(std::move(context));
}

}  // namespace pelmora::app
