#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "gfx/master_palette.h"
#include "rom/codec_result.h"

namespace pelmora {

// The sizes of an emulator's .pal file: 64 colours, or 8 emphasis blocks of 64, as RGB triples.
constexpr std::size_t kSmallMasterPaletteFileSize = 192;
constexpr std::size_t kFullMasterPaletteFileSize = 1536;

// The colours of a .pal file. A longer file is read for its first 1,536 bytes, or 192 when it
// is shorter than 1,536 (many files end in a tag); a file shorter than 192 bytes is refused
// with its size.
Expected<UserMasterPalette> readMasterPaletteFile(std::span<const std::uint8_t> bytes);

}  // namespace pelmora
