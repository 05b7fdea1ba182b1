#include "memory/large_buffers.h"

#include <cstdint>
#include <mutex>
#include <new>
#include <utility>
#include <vector>

#if defined(__linux__) && !defined(__EMSCRIPTEN__)
#include <sys/mman.h>
#endif

#if defined(__SANITIZE_ADDRESS__)
#define PELMORA_HEAP_ONLY 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define PELMORA_HEAP_ONLY 1
#endif
#endif
#if !defined(PELMORA_HEAP_ONLY) && (!defined(__linux__) || !defined(MADV_HUGEPAGE))
#define PELMORA_HEAP_ONLY 1
#endif

namespace pelmora {
namespace {

[[maybe_unused]] constexpr std::size_t kFromHeapBelow = 64 * 1024;
[[maybe_unused]] constexpr std::size_t kBlock = 2 * 1024 * 1024;  // a huge page of x86-64
[[maybe_unused]] constexpr std::size_t kAlignment = 64;

[[maybe_unused]] std::size_t roundUp(std::size_t bytes, std::size_t unit) {
  return (bytes + unit - 1) / unit * unit;
}

#ifndef PELMORA_HEAP_ONLY
// `bytes` (a multiple of kBlock) of fresh memory starting on a kBlock boundary, marked for huge
// pages.
std::byte* mapBlocks(std::size_t bytes) {
  const std::size_t span = bytes + kBlock;
  void* mapped = ::mmap(nullptr, span, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (mapped == MAP_FAILED) throw std::bad_alloc();
  const auto start = reinterpret_cast<std::uintptr_t>(mapped);
  const std::uintptr_t aligned = (start + kBlock - 1) & ~std::uintptr_t{kBlock - 1};
  if (aligned > start) ::munmap(mapped, aligned - start);
  const std::uintptr_t end = aligned + bytes;
  if (start + span > end) ::munmap(reinterpret_cast<void*>(end), start + span - end);
  ::madvise(reinterpret_cast<void*>(aligned), bytes, MADV_HUGEPAGE);
  return reinterpret_cast<std::byte*>(aligned);
}

struct Pool {
  std::mutex mutex;
  std::byte* next = nullptr;  // the unused rest of the newest block
  std::size_t left = 0;
  std::vector<std::pair<void*, std::size_t>> givenBack;
};

// Never destroyed: buffers may still be given back while the program ends.
Pool& pool() {
  static Pool* const shared = new Pool;
  return *shared;
}
#endif

}  // namespace

void* takeLargeBuffer(std::size_t bytes) {
#ifdef PELMORA_HEAP_ONLY
  return ::operator new(bytes);
#else
  if (bytes < kFromHeapBelow) return ::operator new(bytes);
  const std::size_t size = roundUp(bytes, kAlignment);
  if (size >= kBlock) return mapBlocks(roundUp(size, kBlock));
  Pool& shared = pool();
  const std::lock_guard<std::mutex> lock(shared.mutex);
  for (auto kept = shared.givenBack.begin(); kept != shared.givenBack.end(); ++kept) {
    if (kept->second != size) continue;
    void* buffer = kept->first;
    shared.givenBack.erase(kept);
    return buffer;
  }
  if (shared.left < size) {  // what is left of the block stays unused
    shared.next = mapBlocks(kBlock);
    shared.left = kBlock;
  }
  std::byte* buffer = shared.next;
  shared.next += size;
  shared.left -= size;
  return buffer;
#endif
}

void giveBackLargeBuffer(void* buffer, [[maybe_unused]] std::size_t bytes) noexcept {
  if (buffer == nullptr) return;
#ifdef PELMORA_HEAP_ONLY
  ::operator delete(buffer);
#else
  if (bytes < kFromHeapBelow) return ::operator delete(buffer);
  const std::size_t size = roundUp(bytes, kAlignment);
  if (size >= kBlock) {
    ::munmap(buffer, roundUp(size, kBlock));
    return;
  }
  Pool& shared = pool();
  const std::lock_guard<std::mutex> lock(shared.mutex);
  try {
    shared.givenBack.emplace_back(buffer, size);
  } catch (const std::bad_alloc&) {
    // Not kept for reuse; the memory stays with the block.
  }
#endif
}

}  // namespace pelmora
