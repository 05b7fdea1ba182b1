#pragma once

#include <QObject>
#include <cstdint>
#include <optional>
#include <vector>

#include "edit/document.h"
#include "edit/tile_block.h"
#include "gfx/master_palette.h"
#include "state/cell_position.h"

namespace pelmora::app {

// A rectangle of cells on the screen view of name table `nameTable` (0 or 2).
struct CellSelection {
  int nameTable = 0;
  CellRect rect;

  bool operator==(const CellSelection&) const = default;
};

// The open title screen as the windows see it: the core document with its history, the colour
// tables it is shown in, the selected rectangle, and the edit under way. Every edit goes through
// here, and every change is announced: views, docks, the status bar and the actions listen to
// the signals; nobody redraws another widget by hand.
class EditorDocument : public QObject {
  Q_OBJECT

 public:
  explicit EditorDocument(QObject* parent = nullptr);

  const Document& core() const { return document_; }
  // For the core calls that change the state in place (a stroke, choosing a tile); the caller
  // announces what it changed.
  Document& core() { return document_; }
  const EditorState& state() const { return document_.state; }
  EditorState& state() { return document_.state; }
  const ColourTables& colours() const { return colours_; }
  bool loaded() const { return document_.loaded; }

  // Performs `command` as one step of the history and announces what it changed.
  PartSet perform(EditCommand command);
  // Adds a command whose changes are already shown (a finished stroke) to the history.
  void recordPerformed(EditCommand command);
  // An edit still under way (a stroke) is finished first, so it is what Undo takes back.
  void undo();
  void redo();
  // Replaces the whole document (Open): everything is shown anew and the history is empty.
  void replace(Document opened);
  // After Save or Save As: the history's clean point moved, and perhaps the file.
  void noteSaved();
  // Draws every colour through the user's master palette (a .pal file), or through the built-in
  // colours when `user` is null, and shows everything anew. No byte of the document changes.
  void setMasterPalette(const UserMasterPalette* user);
  // Asks whoever holds an edit under way (a stroke) to finish it into the history.
  void finishPendingEdit();

  // Whether Undo and Redo may run now: never while an edit is under way.
  bool canUndo() const { return !editUnderWay_ && document_.history.canUndo(); }
  bool canRedo() const { return !editUnderWay_ && document_.history.canRedo(); }
  void setEditUnderWay(bool underWay);

  // Parts changed in place by the caller; no part: a choice of what is shown changed (the
  // palette set, the end of a preview), and everything is shown anew.
  void announce(PartSet parts);
  // Cells (quadrants) changed in place by a stroke under way, on name table `nameTable`.
  void announceCells(int nameTable, const std::vector<CellPosition>& cells);
  void announceQuadrants(int nameTable, const std::vector<CellPosition>& quadrants);
  // The pixels of `tile` changed in place (a tile painted in the Tile Editor).
  void announceTile(std::uint8_t tile);
  // Shows `state` in the views and squares without changing the document (a colour tried in
  // the palette selector); announce({}) or any change shows the document again.
  void preview(const EditorState& state);

  // The selected tile (what a press places): chosen on the tile sheet or picked on a screen.
  void selectTile(std::uint8_t tile);

  const std::optional<CellSelection>& selection() const { return selection_; }
  void setSelection(std::optional<CellSelection> selection);

 signals:
  // After a command, undo, redo or Open: the parts of the document that changed.
  void changed(pelmora::PartSet parts);
  void cellsChanged(int nameTable, const std::vector<pelmora::CellPosition>& cells);
  void quadrantsChanged(int nameTable, const std::vector<pelmora::CellPosition>& quadrants);
  void tileChanged(std::uint8_t tile);
  void previewed(const pelmora::EditorState& state);
  // Undo, Redo, the clean point or the edit under way changed.
  void historyChanged();
  void selectionChanged();
  void selectedTileChanged();
  // Another file was opened or the document was saved under another name.
  void fileChanged();
  // A file was opened (the document replaced), or the document was saved.
  void fileOpened();
  void fileSaved();
  // Emitted by finishPendingEdit: the holder of an edit under way records it now.
  void pendingEditFinishing();

 private:
  Document document_;
  ColourTables colours_;
  std::optional<CellSelection> selection_;
  bool editUnderWay_ = false;
};

}  // namespace pelmora::app
