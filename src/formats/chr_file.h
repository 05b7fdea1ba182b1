#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

#include "rom/codec_result.h"
#include "state/editor_state.h"

namespace pelmora {

// A .chr file: the 256 tiles of the title's tile bank in the console's own tile format,
// exactly 4,096 bytes.
constexpr std::size_t kChrFileSize = 4096;

// The tiles of a .chr file's content; any other size than 4,096 bytes is a failure that says
// what size it was.
Expected<TileSheet> decodeChrFile(const std::vector<std::uint8_t>& bytes);

// The 4,096 bytes of a .chr file for a sheet of 256 tiles; any other sheet is a failure.
Expected<std::vector<std::uint8_t>> encodeChrFile(const TileSheet& sheet);

// Reads and decodes the .chr file at `path`. A file that cannot be read, or that is not
// exactly 4,096 bytes long, is a failure with the reason; nothing is read past 4,096 bytes.
Expected<TileSheet> readChrFile(const std::filesystem::path& path);

// Writes `sheet` as a .chr file at `path`, replacing it whole or not at all.
Status writeChrFile(const std::filesystem::path& path, const TileSheet& sheet);

}  // namespace pelmora
