#pragma once
// Large buffers (picture surfaces and the window's copies of them), taken from blocks of 2 MiB
// that the system may back with huge pages. Where it does, a fresh block costs one page fault
// where small pages cost 512, a tenth of the time on virtual machines, where faults are dear.
// Buffers given back are kept for the next buffer of the same size; blocks are never returned
// to the system (the editor holds a few, whose buffers come and go with the zoom). Buffers of
// 2 MiB or more get blocks of their own, returned when the buffer is. Small buffers, and all
// buffers in builds that check memory use (the address sanitizer) or where the system has no
// huge pages, come from the ordinary heap.

#include <cstddef>

namespace pelmora {

void* takeLargeBuffer(std::size_t bytes);
void giveBackLargeBuffer(void* buffer, std::size_t bytes) noexcept;

// For containers of large buffers.
template <class T>
struct LargeBufferAllocator {
  using value_type = T;

  LargeBufferAllocator() = default;
  template <class U>
  explicit LargeBufferAllocator(const LargeBufferAllocator<U>& /*other*/) noexcept {}

  T* allocate(std::size_t count) { return static_cast<T*>(takeLargeBuffer(count * sizeof(T))); }
  void deallocate(T* buffer, std::size_t count) noexcept {
    giveBackLargeBuffer(buffer, count * sizeof(T));
  }

  friend bool operator==(const LargeBufferAllocator&, const LargeBufferAllocator&) { return true; }
};

}  // namespace pelmora
