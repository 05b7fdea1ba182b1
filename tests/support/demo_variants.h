#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

#include "demo/demo_image.h"
#include "rom/rom_image.h"

namespace pelmora::test {

// The bytes of a file holding `rom`: header, then body.
std::vector<std::uint8_t> fileBytes(const RomImage& rom);

// Writes `bytes` to `path` as they are, replacing any file there.
void writeFileBytes(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes);

// The whole content of the file at `path` (empty if it cannot be read).
std::vector<std::uint8_t> readFileBytes(const std::filesystem::path& path);

// The demo image with its body cut to its first `bodySize` bytes.
RomImage demoCutShort(std::size_t bodySize);

}  // namespace pelmora::test
