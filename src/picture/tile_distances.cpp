#include "picture/tile_distances.h"

#include <algorithm>
#include <bit>

#if defined(__x86_64__) && defined(__GNUC__)
#include <immintrin.h>
#define PELMORA_X86_VERSIONS 1
#else
#define PELMORA_X86_VERSIONS 0
#endif

namespace pelmora {
namespace {

// One pass that counts and compares each tile in turn, the distance compared first as the test
// that is rarely true. Built for any machine and, on x86-64, once more with the one-word
// population count instruction.
[[gnu::always_inline]] inline LeastDistance leastInTurn(const TilePlanes& planes,
                                                        const std::uint8_t* alive,
                                                        PackedTile tile, std::size_t at,
                                                        std::size_t count, std::size_t skip) {
  const std::uint64_t* low = planes.low.data() + at;
  const std::uint64_t* high = planes.high.data() + at;
  LeastDistance least{65, 0};
  for (std::size_t i = 0; i < count; ++i) {
    const int d = std::popcount((low[i] ^ tile.low) | (high[i] ^ tile.high));
    if (d < least.distance && alive[at + i] != 0 && i != skip) least = {d, i};
  }
  if (least.distance == 65) least.distance = -1;
  return least;
}

LeastDistance leastPortably(const TilePlanes& planes, const std::uint8_t* alive,
                            const PackedTile& tile, std::size_t at, std::size_t count,
                            std::size_t skip) {
  return leastInTurn(planes, alive, tile, at, count, skip);
}

#if PELMORA_X86_VERSIONS
__attribute__((target("popcnt"))) LeastDistance leastWithPopcnt(
    const TilePlanes& planes, const std::uint8_t* alive, const PackedTile& tile, std::size_t at,
    std::size_t count, std::size_t skip) {
  return leastInTurn(planes, alive, tile, at, count, skip);
}

// Eight distances at a time into a block of bytes (255 for tiles left out), then the least of
// the block and its first offset 64 bytes at a time.
__attribute__((target("avx512f,avx512bw,avx512vpopcntdq"))) LeastDistance leastWide(
    const TilePlanes& planes, const std::uint8_t* alive, const PackedTile& tile, std::size_t at,
    std::size_t count, std::size_t skip) {
  constexpr std::uint8_t kLeftOut = 255;
  alignas(64) std::uint8_t distances[kDistanceBlock + 64];
  const std::uint64_t* low = planes.low.data() + at;
  const std::uint64_t* high = planes.high.data() + at;
  const __m512i tileLow = _mm512_set1_epi64(static_cast<long long>(tile.low));
  const __m512i tileHigh = _mm512_set1_epi64(static_cast<long long>(tile.high));
  std::size_t i = 0;
  for (; i + 8 <= count; i += 8) {
    const __m512i differ = _mm512_or_si512(_mm512_xor_si512(_mm512_loadu_si512(low + i), tileLow),
                                           _mm512_xor_si512(_mm512_loadu_si512(high + i), tileHigh));
    _mm_storel_epi64(reinterpret_cast<__m128i*>(distances + i),
                     _mm512_maskz_cvtepi64_epi8(0xFF, _mm512_popcnt_epi64(differ)));
  }
  for (; i < count; ++i)
    distances[i] = static_cast<std::uint8_t>(std::popcount((low[i] ^ tile.low) | (high[i] ^ tile.high)));
  const std::size_t padded = (count + 63) & ~std::size_t{63};
  for (; i < padded; ++i) distances[i] = kLeftOut;
  if (skip < count) distances[skip] = kLeftOut;
  const __m512i leftOut = _mm512_set1_epi8(static_cast<char>(kLeftOut));
  __m512i least = leftOut;
  for (std::size_t j = 0; j < padded; j += 64) {
    __m512i block = _mm512_load_si512(distances + j);
    const std::size_t flags = std::min<std::size_t>(64, count - std::min(count, j));
    const __mmask64 loaded = flags == 64 ? ~__mmask64{0} : (__mmask64{1} << flags) - 1;
    const __m512i flagBytes = _mm512_maskz_loadu_epi8(loaded, alive + at + j);
    block = _mm512_mask_blend_epi8(_mm512_cmpeq_epi8_mask(flagBytes, _mm512_setzero_si512()), block,
                                   leftOut);
    _mm512_store_si512(distances + j, block);
    least = _mm512_min_epu8(least, block);
  }
  alignas(64) std::uint8_t lanes[64];
  _mm512_store_si512(lanes, least);
  std::uint8_t smallest = kLeftOut;
  for (const std::uint8_t lane : lanes) smallest = std::min(smallest, lane);
  if (smallest == kLeftOut) return {};
  const __m512i wanted = _mm512_set1_epi8(static_cast<char>(smallest));
  for (std::size_t j = 0;; j += 64) {
    const __mmask64 hits = _mm512_cmpeq_epi8_mask(_mm512_load_si512(distances + j), wanted);
    if (hits != 0) return {smallest, j + static_cast<std::size_t>(std::countr_zero(hits))};
  }
}
#endif

}  // namespace

std::vector<LeastDistanceBuild> leastDistanceBuilds() {
  std::vector<LeastDistanceBuild> builds = {leastPortably};
#if PELMORA_X86_VERSIONS
  __builtin_cpu_init();
  if (__builtin_cpu_supports("popcnt")) builds.push_back(leastWithPopcnt);
  if (__builtin_cpu_supports("avx512vpopcntdq") && __builtin_cpu_supports("avx512bw"))
    builds.push_back(leastWide);
#endif
  return builds;
}

LeastDistance leastDistance(const TilePlanes& planes, const std::uint8_t* alive,
                            const PackedTile& tile, std::size_t at, std::size_t count,
                            std::size_t skip) {
  static const LeastDistanceBuild least = leastDistanceBuilds().back();
  return least(planes, alive, tile, at, count, skip);
}

}  // namespace pelmora
