#pragma once

#include <cstdint>
#include <filesystem>
#include <initializer_list>
#include <string>
#include <vector>

#include "rom/rom_image.h"

namespace pelmora::testing {

// An image of the game's layout with nothing on its title screen: every title pointer leads to
// an empty list, the palette block and alternative sets are zero, the CHR bank is blank.
RomImage blankTitleImage();

// Writes `list` at body `offset` and points title slot `slot` at it.
void putList(RomImage& rom, int slot, std::int32_t offset, const std::vector<std::uint8_t>& list);

// The whole file content of an image: header then body.
std::vector<std::uint8_t> fileBytes(const RomImage& rom);

std::vector<std::uint8_t> readFile(const std::filesystem::path& path);
void writeFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes);

// A fresh, empty folder under the system's temporary folder, removed with the object.
class TemporaryFolder {
 public:
  TemporaryFolder();
  ~TemporaryFolder();
  TemporaryFolder(const TemporaryFolder&) = delete;
  TemporaryFolder& operator=(const TemporaryFolder&) = delete;
  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path operator/(const std::string& name) const { return path_ / name; }
  // Names of the entries in the folder, for checking that no temporary file was left behind.
  std::vector<std::string> entries() const;

 private:
  std::filesystem::path path_;
};

}  // namespace pelmora::testing
