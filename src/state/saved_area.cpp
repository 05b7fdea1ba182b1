#include "state/saved_area.h"

#include "rom/title_layout.h"

namespace pelmora {
namespace {

constexpr int kRecordHeader = 3;   // address high, address low, control
constexpr int kRowListLength = 36;  // one 32-byte row record and the end byte
constexpr int kRowRecordLength = 35;
constexpr int kAreaASlots = 22;     // slots 8-29 fit in area A; 30-34 follow in area B
constexpr int kLastCarriedRowNameTable0 = kCarriedRowsNameTable0 - 1;
constexpr int kLastCarriedRowNameTable2 = kFirstCarriedRowNameTable2 + kCarriedRowsNameTable2 - 1;

// Where the fixed layout puts the list of slot 8-33 (every one of them a single row record).
std::int32_t rowListPosition(int slot) {
  const int index = slot - title::kFirstScreenSlot;
  if (index < kAreaASlots) return title::kAreaA + kRowListLength * index;
  return title::kAreaB + kRowListLength * (index - kAreaASlots);
}

}  // namespace

bool isTileRowCarried(int nameTable, int row) {
  if (nameTable == 0) return row >= 0 && row <= kLastCarriedRowNameTable0;
  if (nameTable == 2) return row >= kFirstCarriedRowNameTable2 && row <= kLastCarriedRowNameTable2;
  return false;
}

bool isAttributeTableCarried(int nameTable) { return nameTable == 0; }

std::optional<std::int32_t> savedTileOffset(int nameTable, int column, int row) {
  if (column < 0 || column >= kScreenColumns || !isTileRowCarried(nameTable, row)) return {};
  if (nameTable == 0) return rowListPosition(title::kFirstScreenSlot + row) + kRecordHeader + column;
  // List 35: row 23 (the carried row of the first list), then name table 2 rows 24-27.
  const int record = row - kFirstCarriedRowNameTable2 + 1;
  return title::kExportedList35 + kRowRecordLength * record + kRecordHeader + column;
}

std::optional<std::int32_t> savedAttributeOffset(int nameTable, int index) {
  if (!isAttributeTableCarried(nameTable) || index < 0 || index >= 64) return {};
  const int slot = 32 + index / 32;  // slots 32 and 33 hold 32 attribute bytes each
  return rowListPosition(slot) + kRecordHeader + index % 32;
}

std::string tileRowNotCarriedReason(int nameTable, int row) {
  return "Row " + std::to_string(row) + " of name table " + std::to_string(nameTable) +
         " is not stored in the ROM.";
}

std::string attributeTableNotCarriedReason(int nameTable) {
  return "The attribute table of name table " + std::to_string(nameTable) +
         " is not stored in the ROM.";
}

}  // namespace pelmora
