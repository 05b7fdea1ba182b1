#include "app/tile_editor_dock.h"

#include <QAction>
#include <QMainWindow>

#include "app/action_registry.h"
#include "app/tile_editor.h"

namespace pelmora::app {

TileEditorDock::TileEditorDock(EditorDocument& document, ActionRegistry& actions,
                               QMainWindow& window)
    : QObject(&window), document_(document), actions_(actions), window_(window) {
  auto* toggle = new QAction(this);
  toggle->setCheckable(true);
  actions_.adopt(toggle, "actionTileEditor", QT_TRANSLATE_NOOP("Actions", "&Tile Editor"));
  actions_.addToPlaceholder("@docks", toggle);
  connect(toggle, &QAction::triggered, this, [this](bool checked) {
    QAction* dockToggle = editor()->toggleViewAction();
    if (dockToggle->isChecked() != checked) dockToggle->trigger();
  });
}

TileEditor* TileEditorDock::editor() {
  if (editor_ != nullptr) return editor_;
  editor_ = new TileEditor(document_, &window_);
  window_.addDockWidget(Qt::RightDockWidgetArea, editor_);
  editor_->hide();
  connect(editor_->toggleViewAction(), &QAction::toggled,
          actions_.find(QStringLiteral("actionTileEditor")), &QAction::setChecked);
  connect(editor_, &QDockWidget::visibilityChanged, this, [this](bool visible) {
    if (visible && !editor_->isFloating() && window_.isVisible()) emit shownDocked();
  });
  connect(editor_, &TileEditor::tileEdited, this, &TileEditorDock::tileEdited);
  editor_->refresh();
  return editor_;
}

}  // namespace pelmora::app
