#include "memory/fresh_pages.h"

#include <cstdint>

#if defined(__linux__)
#include <sys/mman.h>
#include <unistd.h>
#endif

namespace pelmora {

void prefaultForWriting([[maybe_unused]] void* begin, [[maybe_unused]] std::size_t size) {
#ifdef MADV_POPULATE_WRITE
  constexpr std::size_t kPrefaultFrom = 65536;
  if (size < kPrefaultFrom) return;
  const auto page = static_cast<std::uintptr_t>(::sysconf(_SC_PAGESIZE));
  const auto start = reinterpret_cast<std::uintptr_t>(begin);
  const auto first = (start + page - 1) & ~(page - 1);
  const auto last = (start + size) & ~(page - 1);
  if (last > first)
    [[maybe_unused]] const int ignored =
        ::madvise(reinterpret_cast<void*>(first), last - first, MADV_POPULATE_WRITE);
#endif
}

}  // namespace pelmora
