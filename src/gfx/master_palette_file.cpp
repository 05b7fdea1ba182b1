#include "gfx/master_palette_file.h"

#include <string>

namespace pelmora {

Expected<UserMasterPalette> readMasterPaletteFile(std::span<const std::uint8_t> bytes) {
  if (bytes.size() < kSmallMasterPaletteFileSize) {
    return CodecError{
        "A master palette file needs 192 bytes (64 colours) or 1,536 (8 x 64); "
        "this one has " +
        std::to_string(bytes.size())};
  }
  const std::size_t used = bytes.size() >= kFullMasterPaletteFileSize ? kFullMasterPaletteFileSize
                                                                      : kSmallMasterPaletteFileSize;
  UserMasterPalette palette;
  palette.colours.reserve(used / 3);
  for (std::size_t at = 0; at < used; at += 3)
    palette.colours.push_back(bytes[at] + bytes[at + 1] * 0x100 + bytes[at + 2] * 0x10000);
  return palette;
}

}  // namespace pelmora
