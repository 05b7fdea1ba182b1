#pragma once
// Large buffers and the pages behind them.

#include <cstddef>

namespace pelmora {

// Maps the fresh pages of a large buffer that is about to be written, all with one call instead
// of one fault per page as the writes arrive, which costs about half as much per page (a
// page fault is dear on virtual machines). Buffers under 64 KiB are left alone, as is every
// buffer where the system cannot (before Linux 5.14): their pages fault in as before. Nothing
// in the buffer changes.
void prefaultForWriting(void* begin, std::size_t size);

}  // namespace pelmora
