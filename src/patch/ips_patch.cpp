#include "patch/ips_patch.h"

#include <algorithm>
#include <string_view>

namespace pelmora {
namespace {

constexpr std::string_view kHeader = "PATCH";
constexpr std::string_view kFooter = "EOF";
constexpr std::size_t kEofOffset = 0x454F46;  // the offset whose bytes spell "EOF"
constexpr std::size_t kMaxRecordSize = 0xFFFF;
constexpr std::size_t kRecordHeader = 5;  // offset and size
// A gap of unchanged bytes shorter than this costs less inside a record than a new record.
constexpr std::size_t kMergeGap = kRecordHeader + 1;
// A run of one value this long is cheaper as its own run-length record (8 bytes) than inside a
// literal record: at an end of a changed stretch, and in its middle (where the literal is split).
constexpr std::size_t kRunAtEdge = 9;
constexpr std::size_t kRunInside = 14;

using Bytes = std::vector<std::uint8_t>;
using ByteView = std::span<const std::uint8_t>;

void putNumber(Bytes& out, std::size_t value, int bytes) {
  for (int shift = (bytes - 1) * 8; shift >= 0; shift -= 8)
    out.push_back(static_cast<std::uint8_t>(value >> shift));
}

bool differs(ByteView source, ByteView target, std::size_t at) {
  return at >= source.size() || source[at] != target[at];
}

// Where the stretch of changed bytes starting at `start` ends, gaps shorter than kMergeGap
// included.
std::size_t changedStretchEnd(ByteView source, ByteView target, std::size_t start) {
  std::size_t end = start;
  std::size_t at = start;
  while (at < target.size()) {
    if (differs(source, target, at)) {
      end = ++at;
    } else if (at - end + 1 >= kMergeGap) {
      break;
    } else {
      ++at;
    }
  }
  return end;
}

std::size_t runLength(ByteView target, std::size_t at, std::size_t end) {
  std::size_t length = 1;
  while (at + length < end && target[at + length] == target[at]) ++length;
  return length;
}

// Literal records for target[from, to), each at most kMaxRecordSize bytes, none starting at
// kEofOffset (such a record starts one byte earlier and carries that byte too).
void putLiteral(Bytes& out, ByteView target, std::size_t from, std::size_t to) {
  while (from < to) {
    if (from == kEofOffset) --from;
    const std::size_t size = std::min(to - from, kMaxRecordSize);
    putNumber(out, from, 3);
    putNumber(out, size, 2);
    out.insert(out.end(), target.begin() + static_cast<std::ptrdiff_t>(from),
               target.begin() + static_cast<std::ptrdiff_t>(from + size));
    from += size;
  }
}

void putRun(Bytes& out, ByteView target, std::size_t from, std::size_t to) {
  while (from < to) {
    if (from == kEofOffset) {
      putLiteral(out, target, from, from + 1);
      ++from;
      continue;
    }
    const std::size_t size = std::min(to - from, kMaxRecordSize);
    putNumber(out, from, 3);
    putNumber(out, 0, 2);
    putNumber(out, size, 2);
    out.push_back(target[from]);
    from += size;
  }
}

// Records for one changed stretch: long runs of one value as run-length records, the rest as
// literal records.
void putStretch(Bytes& out, ByteView target, std::size_t start, std::size_t end) {
  std::size_t literalStart = start;
  std::size_t at = start;
  while (at < end) {
    const std::size_t run = runLength(target, at, end);
    const bool atEdge = at == start || at + run == end;
    if (run >= (atEdge ? kRunAtEdge : kRunInside)) {
      putLiteral(out, target, literalStart, at);
      putRun(out, target, at, at + run);
      literalStart = at + run;
    }
    at += run;
  }
  putLiteral(out, target, literalStart, end);
}

std::size_t readNumber(const Bytes& patch, std::size_t at, int bytes) {
  std::size_t value = 0;
  for (int i = 0; i < bytes; ++i) value = value << 8 | patch[at + static_cast<std::size_t>(i)];
  return value;
}

bool startsWith(const Bytes& patch, std::size_t at, std::string_view text) {
  return patch.size() >= at + text.size() &&
         std::equal(text.begin(), text.end(), patch.begin() + static_cast<std::ptrdiff_t>(at));
}

CodecError malformed(const std::string& what) {
  return CodecError{"The IPS patch is malformed: " + what};
}

}  // namespace

Expected<Bytes> createIpsPatch(ByteView source, ByteView target) {
  if (source.size() > kIpsMaximumSize || target.size() > kIpsMaximumSize)
    return CodecError{"An IPS patch cannot describe a file larger than 16 MiB"};
  Bytes patch(kHeader.begin(), kHeader.end());
  std::size_t at = 0;
  while (at < target.size()) {
    if (!differs(source, target, at)) {
      ++at;
      continue;
    }
    const std::size_t end = changedStretchEnd(source, target, at);
    putStretch(patch, target, at, end);
    at = end;
  }
  patch.insert(patch.end(), kFooter.begin(), kFooter.end());
  if (target.size() < source.size()) putNumber(patch, target.size(), 3);
  return patch;
}

Expected<Bytes> applyIpsPatch(const Bytes& source, const Bytes& patch) {
  if (!startsWith(patch, 0, kHeader)) return malformed("it does not start with PATCH");
  Bytes result = source;
  std::size_t at = kHeader.size();
  while (!startsWith(patch, at, kFooter)) {
    if (patch.size() < at + kRecordHeader) return malformed("it ends inside a record");
    const std::size_t offset = readNumber(patch, at, 3);
    std::size_t size = readNumber(patch, at + 3, 2);
    at += kRecordHeader;
    const bool run = size == 0;
    if (run) {
      if (patch.size() < at + 3) return malformed("it ends inside a record");
      size = readNumber(patch, at, 2);
    } else if (patch.size() < at + size) {
      return malformed("it ends inside a record");
    }
    if (result.size() < offset + size) result.resize(offset + size, 0);
    const auto destination = result.begin() + static_cast<std::ptrdiff_t>(offset);
    if (run) {
      std::fill_n(destination, size, patch[at + 2]);
      at += 3;
    } else {
      std::copy_n(patch.begin() + static_cast<std::ptrdiff_t>(at), size, destination);
      at += size;
    }
  }
  at += kFooter.size();
  if (patch.size() == at + 3) {
    const std::size_t size = readNumber(patch, at, 3);
    if (size < result.size()) result.resize(size);
  } else if (patch.size() != at) {
    return malformed("unexpected bytes after EOF");
  }
  return result;
}

}  // namespace pelmora
