#include "rom/ppu_update_list.h"

#include "state/hex_caption.h"

#include <cstring>
#include <string>

#include <cstdio>

namespace pelmora {
namespace {

// Read as the end of a sentence that names the list: "Title list 12 reaches past the end of the
// image (at body offset 0x3410A)."
CodecError recordOutOfRange(std::int64_t record, std::int64_t /*position*/,
                            std::size_t /*bodySize*/) {
  return outOfRange("reaches past the end of the image (at body offset " + hexOffset(record) + ")");
}

// One record's fields, read from its first three bytes.
struct Record {
  std::uint16_t address;
  std::uint16_t step;
  bool repeat;
  int writes;
};

void writeRecord(const Record& record, const std::uint8_t* data, PpuImage& ppu) {
  std::uint16_t address = record.address;
  if (record.step == 1 && address + record.writes <= static_cast<int>(kPpuImageSize)) {
    // A run along one row that does not wrap: one block write.
    if (record.repeat) {
      std::memset(ppu.data() + address, *data, static_cast<std::size_t>(record.writes));
    } else {
      std::memcpy(ppu.data() + address, data, static_cast<std::size_t>(record.writes));
    }
    return;
  }
  for (int write = 0; write < record.writes; ++write) {
    ppu[address] = data[record.repeat ? 0 : write];
    address = static_cast<std::uint16_t>((address + record.step) & kPpuAddressMask);
  }
}

// Walks the list from body `offset`, writing its records into `ppu` unless it is null. Every
// record is checked against the body before any of its bytes is used.
Status walkUpdateList(const std::vector<std::uint8_t>& body, std::int64_t& offset, PpuImage* ppu) {
  const auto size = static_cast<std::int64_t>(body.size());
  std::int64_t position = offset;
  while (true) {
    if (position < 0 || position >= size) return recordOutOfRange(position, position, body.size());
    if (body[static_cast<std::size_t>(position)] == kListEnd) break;

    if (position + 2 >= size) return recordOutOfRange(position, position + 2, body.size());
    const std::uint8_t* header = body.data() + position;
    const std::uint8_t control = header[2];
    const Record record{
        // The address is stored high byte first; its top two bits are ignored.
        static_cast<std::uint16_t>((header[0] * 256 + header[1]) & kPpuAddressMask),
        static_cast<std::uint16_t>((control & kRecordStep32) ? 32 : 1),
        (control & kRecordRepeat) != 0,
        // A count field of 0 wraps to 255 before the loop's test: 256 writes.
        (control & kRecordCount) == 0 ? 256 : (control & kRecordCount),
    };
    // A repeat record holds one data byte; any other record holds one byte per write.
    const std::int64_t last = position + (record.repeat ? 3 : 2 + record.writes);
    if (last >= size) return recordOutOfRange(position, last, body.size());
    if (ppu != nullptr) writeRecord(record, body.data() + position + 3, *ppu);
    position = last + 1;
  }
  offset = position;
  return success();
}

}  // namespace

Status playUpdateList(const std::vector<std::uint8_t>& body, std::int64_t& offset, PpuImage& ppu) {
  return walkUpdateList(body, offset, &ppu);
}

Status checkUpdateList(const std::vector<std::uint8_t>& body, std::int64_t& offset) {
  return walkUpdateList(body, offset, nullptr);
}

}  // namespace pelmora
