#pragma once

#include <QObject>
#include <memory>
#include <optional>
#include <vector>

#include "app/tool.h"

namespace pelmora::app {

class PictureSurface;

// The tile cell last under the pointer on a screen view.
struct PointerCell {
  int nameTable = 0;
  CellPosition cell;
};

// Owns the tools and their actions (one group: one screen tool is chosen at a time) and hands
// each view's pointer events to the tool that works there: the chosen tool on the screens, the
// attribute tool on the attribute views.
class ToolManager : public QObject {
  Q_OBJECT

 public:
  ToolManager(EditorDocument& document, ActionRegistry& actions,
              std::function<void(const QString&)> showMessage, QObject* parent);
  ~ToolManager() override;

  // What a tool is made with.
  ToolContext context() const { return context_; }
  // Adds `tool` and its action (to the Edit menu's tools); the first screen tool is chosen.
  Tool* registerTool(std::unique_ptr<Tool> tool);

  // Routes the pointer events of a screen view (attribute view) of name table `nameTable`.
  void attachScreen(PictureSurface* view, int nameTable);
  void attachAttributes(PictureSurface* view, int nameTable);

  void choose(Tool* tool);
  Tool* activeTool() const { return active_; }
  // The tool working on `views`: the chosen one on the screens.
  Tool* toolFor(Tool::Views views) const;

  // The pointer over a screen view at `x`, `y` (surface pixels), or gone (x < 0).
  void notePointer(int nameTable, double x, double y);
  const std::optional<PointerCell>& pointerCell() const { return pointer_; }

 signals:
  void toolChosen(pelmora::app::Tool* tool);

 private:
  void attach(PictureSurface* view, int nameTable, Tool::Views views);
  void finishAll();
  void refreshEnabled();

  ToolContext context_;
  ActionRegistry& actions_;
  std::vector<std::unique_ptr<Tool>> tools_;
  std::vector<QAction*> toolActions_;
  std::vector<PictureSurface*> screenViews_;
  Tool* active_ = nullptr;
  std::optional<PointerCell> pointer_;
};

// Registers every tool, in the order of the Edit menu (tool_list.cpp).
void registerTools(ToolManager& tools);

}  // namespace pelmora::app
