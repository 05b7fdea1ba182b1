#include "formats/nam_assembly.h"

#include <cstdio>
#include <span>
#include <vector>

#include "formats/nam_file.h"

namespace pelmora {
namespace {

constexpr int kTileColumns = 32;
constexpr int kTileRows = 30;
constexpr int kAttributesPerLine = 8;

std::string hex(unsigned value, int digits) {
  char text[8];
  std::snprintf(text, sizeof text, "%0*X", digits, value);
  return text;
}

std::string byteLine(std::span<const std::uint8_t> bytes) {
  std::string line = "  .byte ";
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (i != 0) line += ',';
    line += '$' + hex(bytes[i], 2);
  }
  return line + '\n';
}

}  // namespace

std::string nameTableAssembly(const EditorState& state, int screen) {
  const std::uint16_t base = screenNameTable(screen).value_or(0x2000);
  const std::string table = std::to_string(screen == 0 ? 0 : 2);
  const std::vector<std::uint8_t> bytes = exportNameTable(state, screen);
  const std::span<const std::uint8_t> all(bytes);
  std::string text = "; Name table " + table + " ($" + hex(base, 4) + "): " +
                     std::to_string(kTileRows) + " rows of " + std::to_string(kTileColumns) +
                     " tiles, then 64 attribute bytes (ca65)\n";
  for (int row = 0; row < kTileRows; ++row) {
    const int offset = row * kTileColumns;
    text += "; row " + std::to_string(row) + ", PPU $" + hex(base + offset, 4) + '\n';
    text += "name_table_" + table + "_row_" + std::to_string(row) + ":\n";
    text += byteLine(all.subspan(static_cast<std::size_t>(offset), kTileColumns));
  }
  const int attributes = kTileRows * kTileColumns;
  for (int line = 0; line < 64 / kAttributesPerLine; ++line) {
    const int offset = attributes + line * kAttributesPerLine;
    text += "; attribute row " + std::to_string(line) + ", PPU $" + hex(base + offset, 4) + '\n';
    text += "name_table_" + table + "_attributes_" + std::to_string(line) + ":\n";
    text += byteLine(all.subspan(static_cast<std::size_t>(offset), kAttributesPerLine));
  }
  return text;
}

}  // namespace pelmora
