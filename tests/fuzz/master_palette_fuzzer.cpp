// An emulator's .pal file of master-palette colours, read and used to draw every view of the
// demo under every emphasis and greyscale setting. Promises: a file shorter than 192 bytes is
// refused with its size; a longer one gives 64 colours, or 512 when it holds 1,536 bytes, each
// the file's RGB triple; every view draws with them.

#include "fuzz_support.h"
#include "fuzz_targets.h"
#include "gfx/master_palette.h"
#include "gfx/master_palette_file.h"
#include "gfx/screen_views.h"

namespace pelmora::fuzz {

int fuzzMasterPalette(const std::uint8_t* data, std::size_t size) {
  const Expected<UserMasterPalette> read = readMasterPaletteFile(std::span<const std::uint8_t>(data, size));
  require(static_cast<bool>(read) == (size >= kSmallMasterPaletteFileSize),
          "a .pal file of at least 192 bytes is read");
  if (!read) {
    require(!read.error().what.empty(), "a refused .pal file says why");
    return 0;
  }
  const std::vector<ColourValue>& colours = read.value().colours;
  require(colours.size() == (size >= kFullMasterPaletteFileSize ? 512u : 64u),
          "a .pal file gives 64 colours, or 512 from 1,536 bytes");
  for (std::size_t i = 0; i < colours.size(); ++i) {
    const ColourValue file = data[3 * i] | data[3 * i + 1] << 8 | data[3 * i + 2] << 16;
    require(colours[i] == file, "each colour is the file's RGB triple");
  }
  static ScreenViews views;
  ColourTables tables;
  PpuRegisters registers;
  for (int mask = 0; mask < 16; ++mask) {  // greyscale and every emphasis
    registers.mask = static_cast<std::uint8_t>((mask & 1) | (mask >> 1) << 5);
    buildMasterPalette(registers, tables, &read.value());
    if (mask % 4 == 0) redrawViews(views, demoDocument().state, tables);
  }
  return 0;
}

}  // namespace pelmora::fuzz
