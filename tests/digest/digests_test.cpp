#include "digest/digests.h"

#include <gtest/gtest.h>

#include <string_view>

namespace pelmora {
namespace {

std::span<const std::uint8_t> bytesOf(std::string_view text) {
  return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

// The check values every description of these algorithms publishes.
TEST(Digests, MatchPublishedCheckValues) {
  EXPECT_EQ(lowerHex(crc32Of(bytesOf("123456789"))), "cbf43926");
  EXPECT_EQ(lowerHex(md5Of(bytesOf("abc"))), "900150983cd24fb0d6963f7d28e17f72");
  EXPECT_EQ(lowerHex(sha1Of(bytesOf("abc"))), "a9993e364706816aba3e25717850c26c9cd0d89d");
  EXPECT_EQ(lowerHex(crc32Of({})), "00000000");
}

}  // namespace
}  // namespace pelmora
