#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace pelmora {

// Which parts of the two screens Save writes back into the ROM, and where. The export carries
// name table 0 rows 0-23 and its attribute table, and name table 2 rows 24-27; every other cell
// of the two screens (and name table 2's attribute table) is shown but never saved.

constexpr int kScreenColumns = 32;
constexpr int kScreenRows = 30;

// The carried rows: 0-23 of name table 0 and 24-27 of name table 2 (below the first 24, so a
// whole-screen picture is name table 0's rows and then name table 2's).
constexpr int kCarriedRowsNameTable0 = 24;
constexpr int kFirstCarriedRowNameTable2 = 24;
constexpr int kCarriedRowsNameTable2 = 4;

// Whether Save writes the tile at `row` of name table `nameTable` (0 or 2).
bool isTileRowCarried(int nameTable, int row);

// Whether Save writes the attribute table of name table `nameTable` (only name table 0's).
bool isAttributeTableCarried(int nameTable);

// The body offset at which Save writes the tile at `column`, `row` of name table `nameTable`,
// or nothing where Save writes nothing. File offset = body offset + 16.
std::optional<std::int32_t> savedTileOffset(int nameTable, int column, int row);

// The body offset at which Save writes attribute byte `index` (0-63) of name table `nameTable`.
std::optional<std::int32_t> savedAttributeOffset(int nameTable, int index);

// Why a press on a cell Save does not carry places nothing, in the user's words:
// "Row 26 of name table 0 is not stored in the ROM."
std::string tileRowNotCarriedReason(int nameTable, int row);

// "The attribute table of name table 2 is not stored in the ROM."
std::string attributeTableNotCarriedReason(int nameTable);

}  // namespace pelmora
