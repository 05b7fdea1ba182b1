// A .nam file imported into each screen of the opened demo. Promises: only 1,024 or 960 bytes
// are accepted, and a refusal says why; an accepted file gives every cell Save carries the
// file's byte, keeps every other cell, counts the dropped cells that differ, and gives a screen
// Save writes and Open reads back.

#include "state/saved_area.h"
#include "formats/nam_file.h"
#include "fuzz_support.h"
#include "fuzz_targets.h"

namespace pelmora::fuzz {
namespace {

void importInto(int screen, const Bytes& file) {
  const EditorState& state = demoDocument().state;
  const Expected<NameTableImport> imported = importNameTable(state, screen, file);
  const bool sized = file.size() == kNamFileSize || file.size() == kNamTilesOnlySize;
  require(static_cast<bool>(imported) == sized, "a name table file of 1,024 or 960 bytes is accepted");
  if (!imported) {
    require(!imported.error().what.empty(), "a refused name table file says why");
    return;
  }
  const std::size_t base = *screenNameTable(screen);
  const int nameTable = screen * 2;
  int differing = 0;
  for (int row = 0; row < kScreenRows; ++row) {
    for (int column = 0; column < kScreenColumns; ++column) {
      const std::size_t cell = static_cast<std::size_t>(row * kScreenColumns + column);
      const std::uint8_t shown = imported.value().state.ppuImage[base + cell];
      if (savedTileOffset(nameTable, column, row)) {
        require(shown == file[cell], "a carried cell takes the file's tile");
      } else {
        require(shown == state.ppuImage[base + cell], "a cell Save does not carry is kept");
        differing += shown != file[cell];
      }
    }
  }
  require(imported.value().droppedCells == differing, "the dropped cells are counted");
  requireSavesAndReopens(imported.value().state);
}

}  // namespace

int fuzzNamImport(const std::uint8_t* data, std::size_t size) {
  const Bytes file(data, data + size);
  importInto(0, file);
  importInto(1, file);
  return 0;
}

}  // namespace pelmora::fuzz
