// The selected rectangle's commands: copy (also to the system clipboard as text), cut, delete,
// fill, and paste of the copied block or of a block given as text. Each edit is one command.
#include <QClipboard>
#include <QGuiApplication>

#include "app/main_window.h"
#include "edit/clipboard_text.h"

namespace pelmora::app {

void MainWindow::copySelection() {
  if (!editing_.selection) return;
  editing_.copied = copyBlock(document_.state, editing_.selection->nameTable, editing_.selection->rect);
  QGuiApplication::clipboard()->setText(QString::fromStdString(blockText(editing_.copied)));
}

void MainWindow::cutSelection() {
  if (!editing_.selection) return;
  copySelection();
  performBlockCommand(
      cutCommand(document_.state, editing_.selection->nameTable, editing_.selection->rect));
}

void MainWindow::deleteSelection() {
  if (!editing_.selection) return;
  performBlockCommand(
      deleteCommand(document_.state, editing_.selection->nameTable, editing_.selection->rect));
}

void MainWindow::fillSelection() {
  if (!editing_.selection) return;
  performBlockCommand(
      fillCommand(document_.state, editing_.selection->nameTable, editing_.selection->rect));
}

// The block lands with its top-left at the cell under the pointer when it is over a screen
// view, else at the selection's top-left cell.
void MainWindow::pasteBlock() {
  std::optional<PointerCell> target = editing_.pointer;
  if (!target && editing_.selection) {
    const CellRect& rect = editing_.selection->rect;
    target = PointerCell{editing_.selection->nameTable, CellPosition{rect.column, rect.row}};
  }
  if (!target) {
    showStatusMessage(QStringLiteral("Point at a screen or select a rectangle to paste into."));
    return;
  }
  const std::optional<TileBlock> block = clipboardBlock();
  if (!block) return;
  performBlockCommand(pasteCommand(document_.state, target->nameTable, target->cell, *block));
}

// The system clipboard's text when it holds a block (copied here or written by hand), else the
// block last copied here; nothing, with the reason in the status bar, when there is neither.
std::optional<TileBlock> MainWindow::clipboardBlock() {
  const QString text = QGuiApplication::clipboard()->text();
  if (text.trimmed().isEmpty()) {
    if (!editing_.copied.empty()) return editing_.copied;
    showStatusMessage(QStringLiteral("There is nothing to paste."));
    return std::nullopt;
  }
  Expected<TileBlock> parsed = parseBlockText(text.toStdString());
  if (!parsed) {
    showStatusMessage(QString::fromStdString(parsed.error().what));
    return std::nullopt;
  }
  return parsed.value();
}

void MainWindow::performBlockCommand(Expected<EditCommand> command) {
  if (!command) {
    showStatusMessage(QString::fromStdString(command.error().what));
    return;
  }
  performCommand(std::move(command.value()));
}

}  // namespace pelmora::app
