#pragma once

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>

namespace pelmora {

// One tile's 64 pixel values (0-3) as two bit planes, bit i for pixel i (row by row): cheap to
// compare, hash and count differences of.
struct PackedTile {
  std::uint64_t low = 0;   // bit 0 of each pixel value
  std::uint64_t high = 0;  // bit 1

  bool operator==(const PackedTile&) const = default;
};

struct PackedTileHash {
  std::size_t operator()(const PackedTile& tile) const {
    return std::hash<std::uint64_t>{}(tile.low * 0x9E3779B97F4A7C15ull ^ tile.high);
  }
};

inline PackedTile packTile(const std::uint8_t* pixels) {
  PackedTile tile;
  for (int i = 0; i < 64; ++i) {
    tile.low |= std::uint64_t{pixels[i] & 1u} << i;
    tile.high |= std::uint64_t{(pixels[i] >> 1) & 1u} << i;
  }
  return tile;
}

inline void unpackTile(const PackedTile& tile, std::uint8_t* pixels) {
  for (int i = 0; i < 64; ++i) {
    pixels[i] = static_cast<std::uint8_t>(((tile.low >> i) & 1u) | (((tile.high >> i) & 1u) << 1));
  }
}

inline std::uint8_t tilePixel(const PackedTile& tile, int i) {
  return static_cast<std::uint8_t>(((tile.low >> i) & 1u) | (((tile.high >> i) & 1u) << 1));
}

// How many pixels two tiles differ in.
inline int tileDistance(const PackedTile& a, const PackedTile& b) {
  return std::popcount((a.low ^ b.low) | (a.high ^ b.high));
}

// The tile with every pixel value v replaced by order[v].
inline PackedTile reorderedTile(const PackedTile& tile, const std::array<std::uint8_t, 4>& order) {
  const std::array<std::uint64_t, 4> masks = {~tile.low & ~tile.high, tile.low & ~tile.high,
                                              ~tile.low & tile.high, tile.low & tile.high};
  PackedTile result;
  for (std::size_t value = 0; value < 4; ++value) {
    if (order[value] & 1u) result.low |= masks[value];
    if (order[value] & 2u) result.high |= masks[value];
  }
  return result;
}

}  // namespace pelmora
