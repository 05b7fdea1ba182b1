#pragma once

#include <string>
#include <string_view>

#include "edit/tile_block.h"
#include "rom/codec_result.h"

namespace pelmora {

// A copied block as text for the system clipboard: one line per row, each tile number as two
// upper-case hexadecimal digits, separated by single spaces ("FC 01 02\n03 04 05\n").
std::string blockText(const TileBlock& block);

// A block read back from such text. Spaces and tabs between numbers, upper- or lower-case
// digits, Windows line ends, and blank lines or white space at the end are accepted. Refused,
// with the reason, when a number is not two hexadecimal digits, rows differ in length, or the
// block is larger than the screen.
Expected<TileBlock> parseBlockText(std::string_view text);

}  // namespace pelmora
