#pragma once

#include <vector>

#include "state/cell_position.h"

namespace pelmora {

// Replaces `cells` with the cells of the straight line from `from` to `to`, both ends included,
// each one step (straight or diagonal) from the one before, so a fast pointer move leaves no
// gaps. Ends far outside the screens are first pulled in to a margin around them (the cells out
// there are never edited, and the line stays short).
void cellsOnLine(CellPosition from, CellPosition to, std::vector<CellPosition>& cells);

}  // namespace pelmora
