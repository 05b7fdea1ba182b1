#include "rom/ppu_update_list.h"

#include <cstring>
#include <string>

#include "rom/rom_word.h"

namespace pelmora {
namespace {

CodecError recordOutOfRange(std::int64_t record, std::int64_t position, std::size_t bodySize) {
  return outOfRange("the update list record at body offset " + std::to_string(record) +
                    " reaches body offset " + std::to_string(position) +
                    ", past the end of the image (" + std::to_string(bodySize) + " bytes)");
}

}  // namespace

Status playUpdateList(const std::vector<std::uint8_t>& body, std::int64_t& offset, PpuImage& ppu) {
  const auto size = static_cast<std::int64_t>(body.size());
  std::int64_t record = offset;
  while (true) {
    if (record < 0 || record >= size) return recordOutOfRange(record, record, body.size());
    if (body[static_cast<std::size_t>(record)] == kListEnd) break;

    const Expected<std::int32_t> target = readRomWordBE(body, record, false, 0, 0);
    if (!target || record + 2 >= size) return recordOutOfRange(record, record + 2, body.size());
    std::uint16_t address = static_cast<std::uint16_t>(*target & kPpuAddressMask);
    const std::uint8_t control = body[static_cast<std::size_t>(record + 2)];
    const std::uint16_t step = (control & kRecordStep32) ? 32 : 1;
    const bool repeat = (control & kRecordRepeat) != 0;
    // A count field of 0 wraps to 255 before the loop's test: 256 writes.
    const int writes = (control & kRecordCount) == 0 ? 256 : (control & kRecordCount);

    // A repeat record holds one data byte; any other record holds one byte per write.
    const std::int64_t last = record + (repeat ? 3 : 2 + writes);
    if (last >= size) return recordOutOfRange(record, last, body.size());

    const std::uint8_t* data = body.data() + record + 3;
    if (step == 1 && address + writes <= static_cast<int>(kPpuImageSize)) {
      // A run along one row that does not wrap: one block write.
      if (repeat) {
        std::memset(ppu.data() + address, *data, static_cast<std::size_t>(writes));
      } else {
        std::memcpy(ppu.data() + address, data, static_cast<std::size_t>(writes));
      }
    } else {
      for (int write = 0; write < writes; ++write) {
        ppu[address] = data[repeat ? 0 : write];
        address = static_cast<std::uint16_t>((address + step) & kPpuAddressMask);
      }
    }
    record = last + 1;
  }
  offset = record;
  return success();
}

}  // namespace pelmora
