#include "rom/image_identity.h"

#include <gtest/gtest.h>

#include "demo/demo_image.h"

namespace pelmora {
namespace {

// A small image: mapper 4, one PRG and one CHR bank, body byte i = 7i mod 256.
RomImage smallImage() {
  RomImage rom;
  rom.header = {0x4E, 0x45, 0x53, 0x1A, 1, 1, 0x40, 0, 0, 0, 0, 0, 0, 0, 0, 0};
  rom.body.resize(kPrgBankSize + 8192);
  for (std::size_t i = 0; i < rom.body.size(); ++i) rom.body[i] = static_cast<std::uint8_t>(i * 7);
  return rom;
}

// The expected values were computed apart from this program (Python's zlib and hashlib).
TEST(ImageIdentity, ChecksumsOfTheFileAndOfItsBodyMatchIndependentValues) {
  const ImageIdentity identity = identifyImage(smallImage());
  EXPECT_EQ(identity.file.crc32, "1d53bc7c");
  EXPECT_EQ(identity.file.md5, "4d5449d7d9148338ee4581a7d4621406");
  EXPECT_EQ(identity.file.sha1, "da570bdf79c7052a7ea10855ec54da0a92b70a62");
  EXPECT_EQ(identity.headerless.crc32, "43da9947");
  EXPECT_EQ(identity.headerless.md5, "098be10a0054fa9d44c8f317ef7a0503");
  EXPECT_EQ(identity.headerless.sha1, "d4e877772637dd70913c735657725b4783193647");
  EXPECT_EQ(identity.mapper, 4);
  EXPECT_EQ(identity.prgBytes, 16384u);
  EXPECT_EQ(identity.chrBytes, 8192u);
  EXPECT_FALSE(identity.trainer);
  EXPECT_FALSE(identity.gameCheck);
  EXPECT_TRUE(identifyImage(buildDemoImage()).gameCheck);

  // A trainer is left out of the headerless bytes.
  RomImage trained = smallImage();
  trained.header[6] |= 0x04;
  const ImageIdentity withTrainer = identifyImage(trained);
  EXPECT_TRUE(withTrainer.trainer);
  EXPECT_EQ(withTrainer.headerless.sha1, "82292e743c3096f843c048fea0f65af560abb5e9");
}

TEST(ImageIdentity, HeaderKindsMapperAndSizes) {
  RomImage rom = smallImage();
  rom.header[7] = 0x18;  // NES 2.0, mapper high nibble 1
  rom.header[8] = 0x02;  // mapper bits 8-11
  rom.header[9] = 0xF1;  // PRG 0x101 banks; CHR in exponent form
  rom.header[5] = 0x0D;  // 2^3 x (2 x 1 + 1) = 24 bytes
  ImageIdentity identity = identifyImage(rom);
  EXPECT_EQ(headerKindName(identity.header), "NES 2.0");
  EXPECT_EQ(identity.mapper, 0x214);
  EXPECT_EQ(identity.prgBytes, 0x101u * 16384u);
  EXPECT_EQ(identity.chrBytes, 24u);

  // Old rippers' text in bytes 7-15: only byte 6's mapper nibble counts.
  const std::string_view signature = "DiskDude!";
  std::copy(signature.begin(), signature.end(), rom.header.begin() + 7);
  identity = identifyImage(rom);
  EXPECT_EQ(headerKindName(identity.header), "archaic iNES");
  EXPECT_EQ(identity.mapper, 4);
  EXPECT_EQ(identity.prgBytes, 16384u);

  EXPECT_EQ(headerKindName(identifyImage(smallImage()).header), "iNES");
}

}  // namespace
}  // namespace pelmora
