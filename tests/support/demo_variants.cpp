#include "support/demo_variants.h"

#include <fstream>
#include <iterator>

namespace pelmora::test {

std::vector<std::uint8_t> fileBytes(const RomImage& rom) {
  std::vector<std::uint8_t> bytes(rom.header.begin(), rom.header.end());
  bytes.insert(bytes.end(), rom.body.begin(), rom.body.end());
  return bytes;
}

void writeFileBytes(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
}

std::vector<std::uint8_t> readFileBytes(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

RomImage demoCutShort(std::size_t bodySize) {
  RomImage rom = buildDemoImage();
  if (bodySize < rom.body.size()) rom.body.resize(bodySize);
  return rom;
}

}  // namespace pelmora::test
