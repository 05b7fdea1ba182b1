#include "app/editor_document.h"

#include "edit/edit_history.h"

namespace pelmora::app {
namespace {

// Every part: what a newly opened document changes.
PartSet everyPart() {
  PartSet parts;
  for (const StatePart part :
       {StatePart::kPpuImage, StatePart::kRomPalette, StatePart::kBkgPalettes,
        StatePart::kCoinPalette, StatePart::kCoinEnabled, StatePart::kStream35Row,
        StatePart::kTileSheet, StatePart::kRomBody, StatePart::kRomHeader})
    parts.insert(part);
  return parts;
}

}  // namespace

EditorDocument::EditorDocument(QObject* parent) : QObject(parent) {
  setObjectName(QStringLiteral("editorDocument"));
  buildMasterPalette(document_.state.ppuRegisters, colours_);
  initEditorState(document_.state);
}

PartSet EditorDocument::perform(EditCommand command) {
  finishPendingEdit();
  const PartSet parts = pelmora::perform(document_, std::move(command));
  if (!parts.empty()) announce(parts);
  emit historyChanged();
  return parts;
}

void EditorDocument::recordPerformed(EditCommand command) {
  pelmora::recordPerformed(document_, std::move(command));
  emit historyChanged();
}

void EditorDocument::undo() {
  finishPendingEdit();
  if (const PartSet parts = pelmora::undo(document_); !parts.empty()) announce(parts);
  emit historyChanged();
}

void EditorDocument::redo() {
  finishPendingEdit();
  if (const PartSet parts = pelmora::redo(document_); !parts.empty()) announce(parts);
  emit historyChanged();
}

void EditorDocument::replace(Document opened) {
  document_ = std::move(opened);
  selection_.reset();
  editUnderWay_ = false;
  emit fileOpened();
  emit fileChanged();
  emit selectionChanged();
  announce(everyPart());
  emit selectedTileChanged();
  emit historyChanged();
}

void EditorDocument::noteSaved() {
  emit fileSaved();
  emit fileChanged();
  emit historyChanged();
}

void EditorDocument::setMasterPalette(const UserMasterPalette* user) {
  buildMasterPalette(document_.state.ppuRegisters, colours_, user);
  announce({});
}

void EditorDocument::finishPendingEdit() { emit pendingEditFinishing(); }

void EditorDocument::setEditUnderWay(bool underWay) {
  if (editUnderWay_ == underWay) return;
  editUnderWay_ = underWay;
  emit historyChanged();
}

void EditorDocument::announce(PartSet parts) { emit changed(parts); }

void EditorDocument::announceCells(int nameTable, const std::vector<CellPosition>& cells) {
  if (!cells.empty()) emit cellsChanged(nameTable, cells);
}

void EditorDocument::announceQuadrants(int nameTable, const std::vector<CellPosition>& quadrants) {
  if (!quadrants.empty()) emit quadrantsChanged(nameTable, quadrants);
}

void EditorDocument::announceTile(std::uint8_t tile) { emit tileChanged(tile); }

void EditorDocument::preview(const EditorState& state) { emit previewed(state); }

void EditorDocument::selectTile(std::uint8_t tile) {
  document_.state.selectedTile = tile;
  emit selectedTileChanged();
}

void EditorDocument::setSelection(std::optional<CellSelection> selection) {
  if (selection == selection_) return;
  selection_ = selection;
  emit selectionChanged();
}

}  // namespace pelmora::app
