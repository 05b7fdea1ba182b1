// Every edit of the document goes through here: the command is performed on the document's
// history, the views that show what it changed are redrawn, and the Edit menu's Undo and Redo
// and the window's modified mark follow.
#include <QAction>
#include <QCheckBox>
#include <QMenu>

#include "app/main_window.h"
#include "edit/edit_history.h"

namespace pelmora::app {

PartSet MainWindow::performCommand(EditCommand command) {
  const PartSet changed = perform(document_, std::move(command));
  refreshAfterChange(changed);
  refreshHistoryState();
  return changed;
}

void MainWindow::recordPerformedCommand(EditCommand command) {
  recordPerformed(document_, std::move(command));
  refreshHistoryState();
}

// A stroke still under way is finished first, so it is what Undo takes back.
void MainWindow::undoLastEdit() {
  finishStroke();
  refreshAfterChange(undo(document_));
  refreshHistoryState();
}

void MainWindow::redoLastEdit() {
  finishStroke();
  refreshAfterChange(redo(document_));
  refreshHistoryState();
}

// Name table bytes show only on the screen and attribute views; everything the colours or the
// tiles come from shows everywhere, and a changed image means a re-imported screen.
void MainWindow::refreshAfterChange(PartSet parts) {
  if (parts.empty()) return;
  const bool everything = parts.touchesViewPalette() || parts.contains(StatePart::kTileSheet) ||
                          parts.contains(StatePart::kCoinPalette) ||
                          parts.contains(StatePart::kRomBody) ||
                          parts.contains(StatePart::kRomHeader);
  if (everything) {
    redrawAll();
    return;
  }
  if (parts.contains(StatePart::kPpuImage)) {
    redrawNameTableView(views_, 0, document_.state, colours_);
    redrawAttributeView(views_, document_.state, colours_);
    redrawNameTableView(views_, 2, document_.state, colours_);
  }
  if (parts.contains(StatePart::kCoinEnabled)) chkEnableCoin->setChecked(document_.state.coinEnabled);
}

void MainWindow::buildHistoryActions() {
  actionUndo = editMenu->addAction(QStringLiteral("&Undo"));
  actionUndo->setObjectName(QStringLiteral("actionUndo"));
  actionUndo->setShortcut(QKeySequence::Undo);
  actionRedo = editMenu->addAction(QStringLiteral("&Redo"));
  actionRedo->setObjectName(QStringLiteral("actionRedo"));
  actionRedo->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z),
                            QKeySequence(Qt::CTRL | Qt::Key_Y)});
  connect(actionUndo, &QAction::triggered, this, &MainWindow::undoLastEdit);
  connect(actionRedo, &QAction::triggered, this, &MainWindow::redoLastEdit);
  refreshHistoryState();
}

void MainWindow::refreshHistoryState() {
  const EditHistory& history = document_.history;
  actionUndo->setEnabled(history.canUndo());
  actionRedo->setEnabled(history.canRedo());
  actionUndo->setText(history.canUndo() ? QStringLiteral("&Undo %1").arg(history.undoName())
                                        : QStringLiteral("&Undo"));
  actionRedo->setText(history.canRedo() ? QStringLiteral("&Redo %1").arg(history.redoName())
                                        : QStringLiteral("&Redo"));
  setWindowModified(document_.loaded && document_.isModified());
  emit historyChanged();
}

}  // namespace pelmora::app
