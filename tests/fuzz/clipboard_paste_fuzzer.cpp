// Text pasted from the system clipboard as a block of tile numbers, pasted into both screens
// of the opened demo. Promises: refused text says why; an accepted block fits the screen and
// reads back from its own text; a paste is refused with a reason or is an edit that undoes to
// the screen as it was and redoes to the pasted one, and saves and reopens.

#include <string_view>

#include "edit/clipboard_text.h"
#include "edit/edit_history.h"
#include "state/saved_area.h"
#include "edit/tile_block.h"
#include "fuzz_support.h"
#include "fuzz_targets.h"

namespace pelmora::fuzz {
namespace {

void pasteInto(int nameTable, CellPosition topLeft, const TileBlock& block) {
  static Document document = demoDocument();
  document.state = demoDocument().state;
  document.history = EditHistory{};
  const Expected<EditCommand> paste = pasteCommand(document.state, nameTable, topLeft, block);
  if (!paste) {
    require(!paste.error().what.empty(), "a refused paste says why");
    return;
  }
  perform(document, paste.value());
  const EditorState pasted = document.state;
  undo(document);
  require(document.state == demoDocument().state, "undoing a paste gives the screen as it was");
  redo(document);
  require(document.state == pasted, "redoing a paste gives the pasted screen");
  requireSavesAndReopens(pasted);
}

}  // namespace

int fuzzClipboardPaste(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const Expected<TileBlock> block = parseBlockText(text);
  if (!block) {
    require(!block.error().what.empty(), "refused text says why");
    return 0;
  }
  require(!block.value().empty() && block.value().width <= kScreenColumns && block.value().height <= kScreenRows,
          "an accepted block is no larger than the screen");
  const Expected<TileBlock> again = parseBlockText(blockText(*block));
  require(again && *again == *block, "a block reads back from its own text");
  // The corner moves with the text, so different inputs reach different edges of the screen.
  const CellPosition corner{static_cast<int>(size % kScreenColumns), static_cast<int>(size % kScreenRows)};
  pasteInto(0, corner, *block);
  pasteInto(2, CellPosition{corner.column, 20 + corner.row % 10}, *block);
  return 0;
}

}  // namespace pelmora::fuzz
