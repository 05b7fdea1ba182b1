#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "rom/codec_result.h"
#include "state/editor_state.h"

namespace pelmora {

constexpr std::size_t kNamFileSize = 1024;      // 960 tile bytes, then 64 attribute bytes
constexpr std::size_t kNamTilesOnlySize = 960;  // tile bytes alone

// Name table `screen` of the editor, as the PPU holds it: screen 0 is name table 0 ($2000-$23FF),
// screen 1 is name table 2 ($2800-$2BFF). Nothing for any other screen.
std::optional<std::uint16_t> screenNameTable(int screen);

// The 1,024 bytes of the screen's name table and attribute table.
std::vector<std::uint8_t> exportNameTable(const EditorState& state, int screen);

// A state whose screen takes the file's cells, but only those Save carries; the rest are dropped
// and counted (those that would have changed what is shown).
struct NameTableImport {
  EditorState state;
  int droppedCells = 0;           // tile bytes
  int droppedAttributeBytes = 0;  // attribute bytes
};

// `file` is 1,024 bytes (tiles and attributes) or 960 (tiles only); any other size is refused
// with the reason. `state` is not changed.
Expected<NameTableImport> importNameTable(const EditorState& state, int screen,
                                          const std::vector<std::uint8_t>& file);

}  // namespace pelmora
