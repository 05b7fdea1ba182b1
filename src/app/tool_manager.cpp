#include "app/tool_manager.h"

#include <QAction>

#include "app/editor_document.h"
#include "app/picture_surface.h"
#include "edit/screen_cells.h"

namespace pelmora::app {
namespace {

Qt::KeyboardModifiers modifiersOf(int shift) {
  Qt::KeyboardModifiers modifiers;
  if (shift & kShiftKey) modifiers |= Qt::ShiftModifier;
  if (shift & kCtrlKey) modifiers |= Qt::ControlModifier;
  if (shift & kAltKey) modifiers |= Qt::AltModifier;
  return modifiers;
}

}  // namespace

ToolManager::ToolManager(EditorDocument& document, ActionRegistry& actions,
                         std::function<void(const QString&)> showMessage, QObject* parent)
    : QObject(parent), context_{document, std::move(showMessage)}, actions_(actions) {
  setObjectName(QStringLiteral("toolManager"));
  connect(&document, &EditorDocument::pendingEditFinishing, this, &ToolManager::finishAll);
  connect(&document, &EditorDocument::fileChanged, this, &ToolManager::refreshEnabled);
}

ToolManager::~ToolManager() = default;

Tool* ToolManager::registerTool(std::unique_ptr<Tool> tool) {
  Tool* added = tool.get();
  tools_.push_back(std::move(tool));
  ActionSpec spec = added->action();
  if (!*spec.id) return added;
  spec.checkable = !added->oneShot();
  spec.group = added->oneShot() ? "" : "tools";
  QAction* action = actions_.add(spec);
  actions_.addToPlaceholder("@tools", action);
  toolActions_.push_back(action);
  if (added->oneShot()) {
    connect(action, &QAction::triggered, this, [this, added] {
      if (pointer_) added->applyAt(cellEvent(pointer_->nameTable, pointer_->cell, 8));
    });
  } else {
    connect(action, &QAction::triggered, this, [this, added] { choose(added); });
    if (!active_) choose(added);
  }
  refreshEnabled();
  return added;
}

void ToolManager::attachScreen(PictureSurface* view, int nameTable) {
  screenViews_.push_back(view);
  attach(view, nameTable, Tool::kScreens);
  if (active_) view->setCursor(active_->cursor());
}

void ToolManager::attachAttributes(PictureSurface* view, int nameTable) {
  attach(view, nameTable, Tool::kAttributes);
}

// Any button presses; the moves with a button held carry the press on.
void ToolManager::attach(PictureSurface* view, int nameTable, Tool::Views views) {
  view->setPressHandler([this, nameTable, views](int, int shift, float x, float y) {
    if (Tool* tool = toolFor(views)) tool->press({nameTable, x, y, modifiersOf(shift)});
  });
  view->setMoveHandler([this, nameTable, views](int, int shift, float x, float y) {
    if (Tool* tool = toolFor(views)) tool->move({nameTable, x, y, modifiersOf(shift)});
  });
  view->setReleaseHandler([this, views](int, int, float, float) {
    if (Tool* tool = toolFor(views)) tool->release();
  });
}

Tool* ToolManager::toolFor(Tool::Views views) const {
  if (views == Tool::kScreens) return active_;
  for (const std::unique_ptr<Tool>& tool : tools_) {
    if (tool->views() == views) return tool.get();
  }
  return nullptr;
}

void ToolManager::choose(Tool* tool) {
  finishAll();
  active_ = tool;
  for (std::size_t i = 0, a = 0; i < tools_.size(); ++i) {
    if (!*tools_[i]->action().id) continue;
    if (tools_[i].get() == tool) toolActions_[a]->setChecked(true);
    ++a;
  }
  for (PictureSurface* view : screenViews_) view->setCursor(tool->cursor());
  if (!tool->statusText().isEmpty()) context_.showMessage(tool->statusText());
  emit toolChosen(tool);
}

void ToolManager::notePointer(int nameTable, double x, double y) {
  const std::optional<CellPosition> cell = tileCellAt(x, y);
  pointer_ = cell ? std::optional<PointerCell>(PointerCell{nameTable, *cell}) : std::nullopt;
}

void ToolManager::finishAll() {
  for (const std::unique_ptr<Tool>& tool : tools_) tool->finish();
}

// The tools work on an open document only.
void ToolManager::refreshEnabled() {
  for (QAction* action : toolActions_) action->setEnabled(context_.document.loaded());
}

}  // namespace pelmora::app
