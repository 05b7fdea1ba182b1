#include "memory/large_buffers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

namespace pelmora {
namespace {

struct Taken {
  std::uint8_t* bytes;
  std::size_t size;
};

// Buffers held at the same time, of the sizes the heap serves, the shared blocks and blocks of
// their own, never overlap and are aligned for any pixel; a buffer taken again after one of its
// size was given back is as good as new. Each buffer is filled with its own byte and checked.
TEST(LargeBuffers, HeldBuffersAreSeparateAndUsableAgain) {
  const std::size_t sizes[] = {1000, 245760, 262144, 4096, 983040, 245760, 3 << 20, 65536};
  for (int round = 0; round < 3; ++round) {
    std::vector<Taken> held;
    for (std::size_t i = 0; i < std::size(sizes); ++i) {
      auto* bytes = static_cast<std::uint8_t*>(takeLargeBuffer(sizes[i]));
      ASSERT_EQ(reinterpret_cast<std::uintptr_t>(bytes) % alignof(std::max_align_t), 0u);
      std::memset(bytes, static_cast<int>(i + 1), sizes[i]);
      held.push_back({bytes, sizes[i]});
    }
    for (std::size_t i = 0; i < held.size(); ++i) {
      const Taken& buffer = held[i];
      EXPECT_TRUE(std::all_of(buffer.bytes, buffer.bytes + buffer.size,
                              [&](std::uint8_t b) { return b == i + 1; }))
          << "buffer " << i << " of round " << round;
    }
    for (const Taken& buffer : held) giveBackLargeBuffer(buffer.bytes, buffer.size);
  }
}

}  // namespace
}  // namespace pelmora
