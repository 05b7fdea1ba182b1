#include "support/layout_image.h"

#include <stdlib.h>
#include <sys/stat.h>

#include <algorithm>
#include <fstream>
#include <stdexcept>

#include "rom/title_export.h"
#include "rom/title_layout.h"

namespace pelmora::testing {
namespace {

constexpr std::int32_t kEmptyList = 0x33F00;  // a single end byte inside bank 25
constexpr std::size_t kBodySize = 0x60000;    // 256 KiB PRG + 128 KiB CHR

}  // namespace

RomImage blankTitleImage() {
  RomImage rom;
  rom.header = {0x4E, 0x45, 0x53, 0x1A, 16, 16};
  rom.body.assign(kBodySize, 0);
  putList(rom, title::kPaletteSlot, kEmptyList, {0});
  for (int slot = title::kFirstScreenSlot; slot <= title::kFirstListSlot; ++slot) {
    putList(rom, slot, kEmptyList, {0});
  }
  return rom;
}

void putList(RomImage& rom, int slot, std::int32_t offset, const std::vector<std::uint8_t>& list) {
  std::copy(list.begin(), list.end(), rom.body.begin() + offset);
  const auto pointer = titlePointerBytes(offset);
  rom.body[title::slotPosition(slot)] = pointer[0];
  rom.body[title::slotPosition(slot) + 1] = pointer[1];
}

std::vector<std::uint8_t> fileBytes(const RomImage& rom) {
  std::vector<std::uint8_t> bytes(rom.header.begin(), rom.header.end());
  bytes.insert(bytes.end(), rom.body.begin(), rom.body.end());
  return bytes;
}

std::vector<std::uint8_t> readFile(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

void writeFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

TemporaryFolder::TemporaryFolder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "pelmora-test-XXXXXX").string();
  if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("cannot make a temporary folder");
  path_ = pattern;
}

TemporaryFolder::~TemporaryFolder() {
  std::error_code error;
  // Folders made read-only by a test must become writable again to be removed.
  for (const auto& entry : std::filesystem::recursive_directory_iterator(path_, error)) {
    if (entry.is_directory(error)) ::chmod(entry.path().c_str(), 0755);
  }
  ::chmod(path_.c_str(), 0755);
  std::filesystem::remove_all(path_, error);
}

std::vector<std::string> TemporaryFolder::entries() const {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(path_)) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace pelmora::testing
