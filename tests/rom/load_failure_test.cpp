// Why a file failed to load, in the user's words, for each way loading can fail.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "rom/load_failure.h"
#include "rom/rom_file.h"

namespace pelmora {
namespace {

std::filesystem::path writeFile(const std::string& name, std::size_t size, char fill) {
  const auto path = std::filesystem::temp_directory_path() / ("pelmora_load_failure_" + name);
  std::ofstream(path, std::ios::binary) << std::string(size, fill);
  return path;
}

std::string reasonFor(const std::filesystem::path& path) {
  RomImage rom;
  const std::int16_t code = loadRomFile(rom, path);
  EXPECT_NE(code, kRomFileOk);
  return loadFailureReason(path, code);
}

TEST(LoadFailure, EachRefusalHasItsReason) {
  EXPECT_EQ(reasonFor(writeFile("not_ines", 4096, 'x')), "The file is not an iNES image.");
  EXPECT_EQ(reasonFor(writeFile("short", 5, 'N')),
            "The file is too short to be an iNES image (5 bytes).");
  EXPECT_EQ(reasonFor(writeFile("large", (8u << 20) + 1, 'N')),
            "The file is too large to be a ROM image (8388609 bytes; at most 8 MiB).");
  EXPECT_EQ(reasonFor(std::filesystem::temp_directory_path()), "The file is not a regular file.");
  EXPECT_EQ(reasonFor("/nonexistent/pelmora.nes"),
            "The file cannot be opened: No such file or directory.");
  std::filesystem::remove(std::filesystem::temp_directory_path() / "pelmora_load_failure_large");
}

}  // namespace
}  // namespace pelmora
