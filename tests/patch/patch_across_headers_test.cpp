#include "patch/patch_across_headers.h"

#include <gtest/gtest.h>

#include <random>

#include "digest/digests.h"
#include "patch/bps_metadata.h"
#include "patch/bps_patch.h"
#include "patch/patch_file.h"
#include "rom/image_identity.h"

namespace pelmora {
namespace {

using Bytes = std::vector<std::uint8_t>;

// An iNES 1.0 file of `size` bytes with a patterned body.
Bytes inesFile(std::size_t size) {
  Bytes file(size);
  for (std::size_t i = 0; i < size; ++i) file[i] = static_cast<std::uint8_t>(i * 13 + i / 256);
  const Bytes header = {0x4E, 0x45, 0x53, 0x1A, 1, 1, 0x40, 0, 0, 0, 0, 0, 0, 0, 0, 0};
  std::copy(header.begin(), header.end(), file.begin());
  return file;
}

// The offsets of an IPS patch's records, read back from the patch.
std::vector<std::size_t> ipsRecordOffsets(const Bytes& patch) {
  std::vector<std::size_t> offsets;
  std::size_t at = 5;
  while (!(patch[at] == 'E' && patch[at + 1] == 'O' && patch[at + 2] == 'F')) {
    offsets.push_back(std::size_t{patch[at]} << 16 | patch[at + 1] << 8 | patch[at + 2]);
    const std::size_t size = std::size_t{patch[at + 3]} << 8 | patch[at + 4];
    at += 5 + (size == 0 ? 3 : size);
  }
  return offsets;
}

TEST(PatchAcrossHeaders, IpsRecordsLeaveAnUnchangedHeaderAlone) {
  std::mt19937 random(20);
  const Bytes source = inesFile(4096);
  for (int round = 0; round < 50; ++round) {
    Bytes target = source;
    for (int i = 0; i < 20; ++i) target[16 + random() % 32] = static_cast<std::uint8_t>(random());
    for (const std::size_t offset :
         ipsRecordOffsets(*createPatch(PatchFormat::kIps, source, target)))
      ASSERT_GE(offset, kRomHeaderSize) << "round " << round;
  }
  Bytes newHeader = source;
  newHeader[7] = 0x08;
  EXPECT_EQ(ipsRecordOffsets(*createPatch(PatchFormat::kIps, source, newHeader)).front(), 7u);
}

// Made from an iNES 1.0 file, applied to the same image behind an NES 2.0 header: the result is
// the modified image with the user's header.
TEST(PatchAcrossHeaders, BpsMetadataCarriesTheSourceAcrossAnotherHeader) {
  const Bytes source = inesFile(8192);
  Bytes target = source;
  target[100] ^= 0xFF;
  target.push_back(9);
  const Bytes patch = *createPatch(PatchFormat::kBps, source, target);

  const std::optional<BpsSourceNote> note =
      readBpsSourceNote(readBpsPatchFacts(patch).value().metadata);
  ASSERT_TRUE(note);
  EXPECT_EQ(note->headerlessSha1, lowerHex(sha1Of(std::span(source).subspan(16))));
  EXPECT_TRUE(std::equal(note->header.begin(), note->header.end(), source.begin()));
  EXPECT_EQ(*applyBpsPatch(source, patch), target);  // other patchers skip the metadata

  Bytes users = source;
  users[7] = 0x08;
  users[15] = 0x01;
  const Expected<AppliedPatch> applied = applyPatchAcrossHeaders(users, patch);
  ASSERT_TRUE(applied) << applied.error().what;
  EXPECT_TRUE(applied.value().headerKept);
  Bytes expected = target;
  std::copy_n(users.begin(), 16, expected.begin());
  EXPECT_EQ(applied.value().bytes, expected);

  const Expected<AppliedPatch> same = applyPatchAcrossHeaders(source, patch);
  EXPECT_FALSE(same.value().headerKept);
  EXPECT_EQ(same.value().bytes, target);
}

TEST(PatchAcrossHeaders, AMismatchIsRefusedWithTheReasonAndTheSixteenByteHint) {
  const Bytes headered = inesFile(8192);
  const Bytes headerless(headered.begin() + 16, headered.end());
  Bytes changed = headerless;
  changed[5] ^= 1;
  const Bytes patch = createBpsPatch(headerless, changed);  // another tool's: no metadata
  const Expected<AppliedPatch> refused = applyPatchAcrossHeaders(headered, patch);
  ASSERT_FALSE(refused);
  const std::string& why = refused.error().what;
  EXPECT_NE(why.find("it expects 8,176 bytes with CRC32 " + lowerHex(crc32Of(headerless))),
            std::string::npos)
      << why;
  EXPECT_NE(why.find("this image has 8,192 bytes"), std::string::npos) << why;
  EXPECT_NE(why.find("differ by exactly 16 bytes"), std::string::npos) << why;

  // Our metadata, but another image: refused, and no hint for sizes 1 byte apart.
  Bytes other = headered;
  other.push_back(0);
  const Expected<AppliedPatch> another =
      applyPatchAcrossHeaders(other, *createPatch(PatchFormat::kBps, headered, headered));
  ASSERT_FALSE(another);
  EXPECT_NE(another.error().what.find("Without its header"), std::string::npos);
  EXPECT_EQ(another.error().what.find("16 bytes"), std::string::npos);
}

TEST(PatchAcrossHeaders, ForeignOrDamagedMetadataIsNoNote) {
  for (const std::string_view text :
       {"", "<?xml version=\"1.0\"?>", "{\"pelmora\":{\"sourceHeaderlessSha1\":\"abc\"}}",
        "{\"pelmora\":{\"sourceHeaderlessSha1\":\"0123456789012345678901234567890123456789\","
        "\"sourceHeader\":\"4e45531a0101400000000000000000zz\"}}"})
    EXPECT_FALSE(readBpsSourceNote(text)) << text;
  EXPECT_TRUE(readBpsSourceNote(bpsSourceMetadata(inesFile(64))));
  EXPECT_EQ(bpsSourceMetadata(Bytes(64, 0)), "");
}

}  // namespace
}  // namespace pelmora
