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
  EXPECT_EQ(lowerHex(crc32Of(std::span<const std::uint8_t>{})), "00000000");
}

// Pieces hash as the bytes they make when joined, whatever the cuts (an empty piece included).
TEST(Digests, PiecesHashAsJoined) {
  const std::string_view text = "The quick brown fox jumps over the lazy dog, twice over.";
  for (std::size_t cut = 0; cut <= text.size(); cut += 7) {
    const std::span<const std::uint8_t> pieces[] = {bytesOf(text.substr(0, cut)), {},
                                                    bytesOf(text.substr(cut))};
    EXPECT_EQ(crc32Of(pieces), crc32Of(bytesOf(text)));
    EXPECT_EQ(md5Of(pieces), md5Of(bytesOf(text)));
    EXPECT_EQ(sha1Of(pieces), sha1Of(bytesOf(text)));
  }
}

}  // namespace
}  // namespace pelmora
