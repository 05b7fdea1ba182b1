// The ROM target's starting inputs: the demo image and variants of it that stand at the edges
// the title-screen codec has to handle. Images cut short at every fixed position the title
// screen uses, pointers led to the end of the body and of bank 25, lists that lose their end
// byte, and count-0 records that reach past the end of the image.

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "demo/demo_image.h"
#include "fuzz_support.h"
#include "rom/rom_image.h"
#include "rom/title_export.h"
#include "rom/title_import.h"
#include "rom/title_layout.h"

namespace pelmora {
namespace {

constexpr std::int32_t kChrBankBytes = 4096;  // bank 30 in 4 KiB banks
constexpr std::int32_t kBank25End = title::kBankEnd;
constexpr std::size_t kPaletteSetByte = 15;  // header bytes the fuzzer reads as view choices
constexpr std::size_t kPpuMaskByte = 14;

const std::vector<int> kUsedSlots = {1,  8,  9,  10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21,
                                     22, 23, 24, 25, 26, 27, 28, 29, 30, 31, 32, 33, 34, 35};

class SeedFolder {
 public:
  explicit SeedFolder(const fuzz::SeedSink& sink) : sink_(sink) {}

  void write(const std::string& name, const RomImage& rom) {
    std::vector<std::uint8_t> bytes(rom.header.begin(), rom.header.end());
    bytes.insert(bytes.end(), rom.body.begin(), rom.body.end());
    writeBytes(name, bytes);
  }

  void writeBytes(const std::string& name, const std::vector<std::uint8_t>& bytes) {
    sink_(name + ".nes", bytes);
  }

 private:
  const fuzz::SeedSink& sink_;
};

std::string hex(std::int64_t value) {
  char text[16];
  std::snprintf(text, sizeof text, "%05llx", static_cast<unsigned long long>(value));
  return text;
}

RomImage cutAt(RomImage rom, std::int64_t bodySize) {
  rom.body.resize(static_cast<std::size_t>(bodySize));
  return rom;
}

void pointSlot(RomImage& rom, int slot, std::int32_t position) {
  const auto pointer = titlePointerBytes(position);
  rom.body[static_cast<std::size_t>(title::slotPosition(slot))] = pointer[0];
  rom.body[static_cast<std::size_t>(title::slotPosition(slot)) + 1] = pointer[1];
}

void putBytes(RomImage& rom, std::int32_t position, const std::vector<std::uint8_t>& bytes) {
  std::copy(bytes.begin(), bytes.end(), rom.body.begin() + position);
}

// The demo with no PRG banks in its header, so CHR bank 30 is read from body 0x1E000 (a free
// stretch of the demo's PRG, where its tiles are copied). The title data then no longer needs
// the end of the image, which lets cuts and pointers reach the body's end inside bank 25.
RomImage withChrInPrg(const RomImage& demo) {
  RomImage rom = demo;
  const std::size_t tiles = demo.chrOffset() + std::size_t{title::kTitleChrBank} * kChrBankBytes;
  rom.header[4] = 0;
  const std::size_t moved = rom.chrOffset() + std::size_t{title::kTitleChrBank} * kChrBankBytes;
  std::copy_n(demo.body.begin() + static_cast<std::ptrdiff_t>(tiles), kChrBankBytes,
              rom.body.begin() + static_cast<std::ptrdiff_t>(moved));
  return rom;
}

void writeWholeImages(SeedFolder& seeds, const RomImage& demo) {
  seeds.write("demo", demo);
  for (std::uint8_t set = 1; set < 6; ++set) {
    RomImage rom = demo;
    rom.header[kPaletteSetByte] = set;
    rom.header[kPpuMaskByte] = static_cast<std::uint8_t>(set << 5 | (set & 1));  // emphasis, grey
    seeds.write("demo-view-" + std::to_string(set), rom);
  }
  RomImage coinOff = demo;
  coinOff.body[title::kCoinCallFirst] = title::kCoinCallOff[0];
  seeds.write("demo-coin-off", coinOff);
  RomImage slot35Elsewhere = demo;  // re-imports then keep list 35 from another list
  slot35Elsewhere.body[static_cast<std::size_t>(title::slotPosition(35))] =
      demo.body[static_cast<std::size_t>(title::slotPosition(20))];
  slot35Elsewhere.body[static_cast<std::size_t>(title::slotPosition(35)) + 1] =
      demo.body[static_cast<std::size_t>(title::slotPosition(20)) + 1];
  seeds.write("demo-slot35-elsewhere", slot35Elsewhere);
  RomImage resaved = demo;  // the fixed layout the export writes
  EditorState state;
  if (importTitleScreen(resaved, state) && exportTitleScreen(state, resaved)) {
    seeds.write("demo-resaved", resaved);
  }
  seeds.write("relocated-chr", withChrInPrg(demo));
  seeds.writeBytes("tiny-header-only", std::vector<std::uint8_t>(demo.header.begin(), demo.header.end()));
}

// Every fixed position the title screen uses, with the byte before and after where a range
// starts or ends, for cutting the image there.
std::vector<std::int64_t> fixedCutPositions(const DemoLayout& layout) {
  std::vector<std::int64_t> cuts = {1,
                                    title::kPointerTable,
                                    title::slotPosition(1) + 1,
                                    title::slotPosition(2),
                                    title::slotPosition(8),
                                    title::slotPosition(8) + 1,
                                    title::slotPosition(34) + 2,
                                    title::slotPosition(35) + 1,
                                    title::slotPosition(36),
                                    title::kCoinPalette,
                                    title::kCoinPalette + 6,
                                    title::kCoinPalette + 7,
                                    title::kCoinCallFirst,
                                    title::kCoinCallFirst + 1,
                                    title::kCoinCallSecond,
                                    title::kCoinCallSecond + 3,
                                    title::kAreaA,
                                    title::kAreaALimit,
                                    title::kAreaB,
                                    title::kExportedList35,
                                    title::kExportEnd - 1,
                                    title::kExportEnd,
                                    kBank25End};
  for (const std::int32_t set : title::kAlternativeSets) {
    cuts.insert(cuts.end(), {set, set + 15, set + 16});
  }
  const std::int32_t block = layout.listOffset[title::kPaletteSlot] + title::kPaletteRecordHeader;
  cuts.insert(cuts.end(), {block, block + 31, block + 32});
  for (const int slot : kUsedSlots) {
    const std::int32_t start = layout.listOffset[static_cast<std::size_t>(slot)];
    const std::int32_t end = start + layout.listLength[static_cast<std::size_t>(slot)];
    cuts.insert(cuts.end(), {start, start + 2, start + 3, end - 1});  // end - 1: no end byte
  }
  std::sort(cuts.begin(), cuts.end());
  cuts.erase(std::unique(cuts.begin(), cuts.end()), cuts.end());
  return cuts;
}

void writeCuts(SeedFolder& seeds, const RomImage& demo, const DemoLayout& layout) {
  // With CHR where the demo has it, the tiles come first and decide every cut below them.
  const std::int64_t chrBank30 = static_cast<std::int64_t>(demo.chrOffset()) + title::kTitleChrBank * kChrBankBytes;
  for (const std::int64_t cut : {chrBank30, chrBank30 + kChrBankBytes - 1, chrBank30 + kChrBankBytes}) {
    seeds.write("cut-chr-" + hex(cut), cutAt(demo, cut));
  }
  const RomImage relocated = withChrInPrg(demo);
  for (const std::int64_t cut : fixedCutPositions(layout)) {
    seeds.write("cut-" + hex(cut), cutAt(relocated, cut));
  }
}

// Each slot led to the last bytes of bank 25: once where the body ends there, once where bank 26
// follows. The bytes there begin a record, so the decoder has to stop at the image's end.
void writeRedirectedPointers(SeedFolder& seeds, const RomImage& demo) {
  const RomImage relocated = withChrInPrg(demo);
  for (const int slot : kUsedSlots) {
    RomImage rom = relocated;
    putBytes(rom, kBank25End - 2, {0x20, 0x00});  // address, then the image ends
    pointSlot(rom, slot, kBank25End - 2);
    seeds.write("pointer-body-end-" + std::to_string(slot), cutAt(rom, kBank25End));

    RomImage half = relocated;  // only the address's high byte fits
    putBytes(half, kBank25End - 1, {0x20});
    pointSlot(half, slot, kBank25End - 1);
    seeds.write("pointer-body-last-byte-" + std::to_string(slot), cutAt(half, kBank25End));

    RomImage full = demo;
    putBytes(full, kBank25End - 1, {0x21});  // runs on into bank 26
    pointSlot(full, slot, kBank25End - 1);
    seeds.write("pointer-bank-end-" + std::to_string(slot), full);
  }
  RomImage paletteAtEnd = relocated;  // the 32-byte block would pass the end
  pointSlot(paletteAtEnd, title::kPaletteSlot, kBank25End - 20);
  seeds.write("palette-block-past-end", cutAt(paletteAtEnd, kBank25End));
}

// Each list with its end byte turned into the start of a record: once in place, so the decoder
// reads on into whatever follows, once moved to the end of the body so it runs off the image.
void writeListsWithoutEnd(SeedFolder& seeds, const RomImage& demo, const DemoLayout& layout) {
  const RomImage relocated = withChrInPrg(demo);
  for (const int slot : kUsedSlots) {
    const std::int32_t start = layout.listOffset[static_cast<std::size_t>(slot)];
    const std::int32_t length = layout.listLength[static_cast<std::size_t>(slot)];
    RomImage inPlace = demo;
    inPlace.body[static_cast<std::size_t>(start + length - 1)] = 0x23;
    seeds.write("no-end-in-place-" + std::to_string(slot), inPlace);

    // The records end on the body's last byte, or their last record lacks its last byte.
    for (const std::int32_t missing : {1, 2}) {
      RomImage atEnd = relocated;
      const std::int32_t moved = kBank25End - (length - missing);
      std::copy_n(demo.body.begin() + start, length - missing, atEnd.body.begin() + moved);
      pointSlot(atEnd, slot, moved);
      seeds.write("no-end-at-body-end-" + std::to_string(missing) + "-" + std::to_string(slot),
                  cutAt(atEnd, kBank25End));
    }
  }
}

// Count-0 records (256 writes) of every form as the last bytes of bank 25: with the body ending
// right there, one byte short of them, and with bank 26 behind them.
void writeCountZeroAtBankEnd(SeedFolder& seeds, const RomImage& demo) {
  const RomImage relocated = withChrInPrg(demo);
  std::vector<std::uint8_t> wholePlain = {0x20, 0x00, 0x00};
  for (int i = 0; i < 256; ++i) wholePlain.push_back(static_cast<std::uint8_t>(i));
  const std::vector<std::pair<std::string, std::vector<std::uint8_t>>> records = {
      {"plain", {0x20, 0x00, 0x00, 0x24}},  // needs 256 data bytes
      {"plain-whole", wholePlain},
      {"repeat", {0x20, 0x00, 0x40, 0x24}},  // complete, but no end byte
      {"step32", {0x20, 0x00, 0x80, 0x24}},
      {"step32-repeat", {0x3F, 0xE0, 0xC0, 0x0F}},  // wraps from $3FE0 down into $0000
  };
  for (const auto& [name, record] : records) {
    for (const int slot : {8, 34, 35}) {
      RomImage rom = relocated;
      const auto at = static_cast<std::int32_t>(kBank25End - record.size());
      putBytes(rom, at, record);
      pointSlot(rom, slot, at);
      seeds.write("count0-" + name + "-" + std::to_string(slot), cutAt(rom, kBank25End));
      seeds.write("count0-" + name + "-short-" + std::to_string(slot), cutAt(rom, kBank25End - 1));
      seeds.write("count0-" + name + "-bank26-" + std::to_string(slot), rom);
    }
  }
}

}  // namespace

void fuzz::makeTitleScreenSeeds(const SeedSink& sink) {
  SeedFolder seeds(sink);
  DemoLayout layout;
  const RomImage demo = buildDemoImage(&layout);
  writeWholeImages(seeds, demo);
  writeCuts(seeds, demo, layout);
  writeRedirectedPointers(seeds, demo);
  writeListsWithoutEnd(seeds, demo, layout);
  writeCountZeroAtBankEnd(seeds, demo);
}

}  // namespace pelmora
