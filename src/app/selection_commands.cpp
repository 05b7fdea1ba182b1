#include "app/selection_commands.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>

#include "app/action_registry.h"
#include "app/editor_document.h"
#include "app/tool_manager.h"
#include "edit/clipboard_text.h"

namespace pelmora::app {

SelectionCommands::SelectionCommands(EditorDocument& document, ActionRegistry& actions,
                                     const ToolManager& tools, QObject* parent)
    : QObject(parent), document_(document), actions_(actions), tools_(tools) {
  setObjectName(QStringLiteral("selectionCommands"));
  const auto bind = [this](const char* id, void (SelectionCommands::*command)()) {
    connect(actions_.find(QLatin1String(id)), &QAction::triggered, this, command);
  };
  bind("actionCut", &SelectionCommands::cutSelection);
  bind("actionCopy", &SelectionCommands::copySelection);
  bind("actionPaste", &SelectionCommands::pasteBlock);
  bind("actionDelete", &SelectionCommands::deleteSelection);
  bind("actionFill", &SelectionCommands::fillSelection);
  connect(&document, &EditorDocument::selectionChanged, this, &SelectionCommands::refreshActions);
  connect(&document, &EditorDocument::fileChanged, this, &SelectionCommands::refreshActions);
  refreshActions();
}

void SelectionCommands::refreshActions() {
  const bool editable = document_.loaded();
  const std::optional<CellSelection>& selection = document_.selection();
  const bool selected = editable && selection && !selection->rect.empty();
  for (const char* id : {"actionCut", "actionCopy", "actionDelete", "actionFill"})
    actions_.find(QLatin1String(id))->setEnabled(selected);
  actions_.find(QStringLiteral("actionPaste"))->setEnabled(editable);
}

void SelectionCommands::copySelection() {
  const std::optional<CellSelection>& selection = document_.selection();
  if (!selection) return;
  copied_ = copyBlock(document_.state(), selection->nameTable, selection->rect);
  QGuiApplication::clipboard()->setText(QString::fromStdString(blockText(copied_)));
}

void SelectionCommands::cutSelection() {
  const std::optional<CellSelection> selection = document_.selection();
  if (!selection) return;
  copySelection();
  performBlockCommand(cutCommand(document_.state(), selection->nameTable, selection->rect));
}

void SelectionCommands::deleteSelection() {
  const std::optional<CellSelection> selection = document_.selection();
  if (!selection) return;
  performBlockCommand(deleteCommand(document_.state(), selection->nameTable, selection->rect));
}

void SelectionCommands::fillSelection() {
  const std::optional<CellSelection> selection = document_.selection();
  if (!selection) return;
  performBlockCommand(fillCommand(document_.state(), selection->nameTable, selection->rect));
}

// The block lands with its top-left at the cell under the pointer when it is over a screen
// view, else at the selection's top-left cell.
void SelectionCommands::pasteBlock() {
  std::optional<PointerCell> target = tools_.pointerCell();
  const std::optional<CellSelection>& selection = document_.selection();
  if (!target && selection) {
    target = PointerCell{selection->nameTable,
                         CellPosition{selection->rect.column, selection->rect.row}};
  }
  if (!target) {
    emit message(tr("Point at a screen or select a rectangle to paste into."));
    return;
  }
  const std::optional<TileBlock> block = clipboardBlock();
  if (!block) return;
  performBlockCommand(pasteCommand(document_.state(), target->nameTable, target->cell, *block));
}

// The system clipboard's text when it holds a block (copied here or written by hand), else the
// block last copied here; nothing, with the reason in the status bar, when there is neither.
std::optional<TileBlock> SelectionCommands::clipboardBlock() {
  const QString text = QGuiApplication::clipboard()->text();
  if (text.trimmed().isEmpty()) {
    if (!copied_.empty()) return copied_;
    emit message(tr("There is nothing to paste."));
    return std::nullopt;
  }
  Expected<TileBlock> parsed = parseBlockText(text.toStdString());
  if (!parsed) {
    emit message(QString::fromStdString(parsed.error().what));
    return std::nullopt;
  }
  return parsed.value();
}

void SelectionCommands::performBlockCommand(Expected<EditCommand> command) {
  if (!command) {
    emit message(QString::fromStdString(command.error().what));
    return;
  }
  document_.perform(std::move(command.value()));
}

}  // namespace pelmora::app
