#include <gtest/gtest.h>

#include <random>

#include "patch/bps_patch.h"
#include "patch/ips_patch.h"
#include "patch/patch_file.h"

namespace pelmora {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes bytes(std::initializer_list<int> values) { return Bytes(values.begin(), values.end()); }
Bytes text(std::string_view letters) { return Bytes(letters.begin(), letters.end()); }
Bytes joined(std::initializer_list<Bytes> parts) {
  Bytes all;
  for (const Bytes& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

TEST(IpsPatch, HandCheckedRecords) {
  // A change in the last byte: one literal record.
  Bytes source(100, 0);
  Bytes target = source;
  target[99] = 7;
  EXPECT_EQ(*createIpsPatch(source, target),
            joined({text("PATCH"), bytes({0, 0, 99, 0, 1, 7}), text("EOF")}));

  // A run of 1,000 equal bytes: one run-length record.
  source.assign(2000, 0);
  target = source;
  std::fill(target.begin() + 10, target.begin() + 1010, 0xAB);
  EXPECT_EQ(*createIpsPatch(source, target),
            joined({text("PATCH"), bytes({0, 0, 10, 0, 0, 0x03, 0xE8, 0xAB}), text("EOF")}));

  // A change at 0x454F46: the record starts one byte earlier.
  source.assign(0x454F50, 0);
  target = source;
  target[0x454F46] = 1;
  EXPECT_EQ(*createIpsPatch(source, target),
            joined({text("PATCH"), bytes({0x45, 0x4F, 0x45, 0, 2, 0, 1}), text("EOF")}));
  std::fill(target.begin() + 0x454F46, target.end(), 2);  // a run starting there
  const Bytes patch = *createIpsPatch(source, target);
  EXPECT_EQ(*applyIpsPatch(source, patch), target);
  const Bytes eof = text("EOF");
  EXPECT_EQ(std::search(patch.begin(), patch.end(), eof.begin(), eof.end()), patch.end() - 3);

  EXPECT_FALSE(createIpsPatch(Bytes(kIpsMaximumSize + 1, 0), Bytes(kIpsMaximumSize + 1, 1)));
  EXPECT_FALSE(applyIpsPatch(source, joined({text("PATCH"), bytes({0, 0, 1, 0, 9, 1})})));
}

TEST(BpsPatch, HandCheckedGrowthAndSourceCheck) {
  const Bytes source = text("abcdefgh");
  const Bytes target = text("abcdefghXY");
  const Bytes patch = createBpsPatch(source, target);
  // "BPS1", sizes 8 and 10, no metadata, read 8 from the source, 2 bytes from the patch.
  EXPECT_EQ(Bytes(patch.begin(), patch.end() - 12),
            joined({text("BPS1"), bytes({0x88, 0x8A, 0x80, (7 << 2 | 0) | 0x80, (1 << 2 | 1) | 0x80}),
                    text("XY")}));
  EXPECT_EQ(*applyBpsPatch(source, patch), target);

  const Expected<Bytes> wrongSource = applyBpsPatch(text("abcdefgX"), patch);
  ASSERT_FALSE(wrongSource);
  EXPECT_NE(wrongSource.error().what.find("made for another file"), std::string::npos);
  Bytes damaged = patch;
  damaged[9] ^= 1;
  EXPECT_FALSE(applyBpsPatch(source, damaged));
}

// Create then apply gives the target byte for byte, for both formats and any pair: growing,
// shrinking, scattered changes and runs.
TEST(Patches, CreateThenApplyIsTheTargetForRandomPairs) {
  std::mt19937 random(12);
  for (int round = 0; round < 200; ++round) {
    Bytes source(random() % 3000);
    for (auto& byte : source) byte = static_cast<std::uint8_t>(random() % 4);
    Bytes target = source;
    target.resize(random() % 3000, static_cast<std::uint8_t>(random()));
    const int changes = static_cast<int>(random() % 40);
    for (int i = 0; i < changes && !target.empty(); ++i) {
      const std::size_t at = random() % target.size();
      const std::size_t length = std::min<std::size_t>(random() % 50, target.size() - at);
      const auto value = static_cast<std::uint8_t>(random());
      for (std::size_t k = 0; k < length; ++k)
        target[at + k] = random() % 2 ? value : static_cast<std::uint8_t>(random());
    }
    for (const PatchFormat format : {PatchFormat::kIps, PatchFormat::kBps}) {
      const Expected<Bytes> patch = createPatch(format, source, target);
      ASSERT_TRUE(patch);
      const Expected<Bytes> applied = applyPatch(source, *patch);
      ASSERT_TRUE(applied) << applied.error().what;
      ASSERT_EQ(*applied, target) << "round " << round;
    }
  }
}

TEST(Patches, FormatFromTheFileName) {
  EXPECT_EQ(patchFormatForPath("a/b.IPS"), PatchFormat::kIps);
  EXPECT_EQ(patchFormatForPath("b.bps"), PatchFormat::kBps);
  EXPECT_FALSE(patchFormatForPath("b.nes"));
  EXPECT_FALSE(applyPatch(Bytes(4), text("hello")));
}

}  // namespace
}  // namespace pelmora
