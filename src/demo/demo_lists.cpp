#include "demo/demo_lists.h"

#include <utility>

#include "rom/ppu_update_list.h"

namespace pelmora::demo {
namespace {

// Writes PPU update records whose data comes from a picture of the PPU.
class UpdateListWriter {
 public:
  explicit UpdateListWriter(const PpuImage& source) : source_(source) {}

  // `count` data bytes from `address` on, stepping +1. A count of 256 is stored as 0.
  UpdateListWriter& run(std::uint16_t address, int count, std::uint8_t topBits = 0) {
    return copy(address, count, 0, topBits);
  }
  // `count` data bytes from `address` down a column, stepping +32.
  UpdateListWriter& columnRun(std::uint16_t address, int count) {
    return copy(address, count, kRecordStep32, 0);
  }
  // The byte at `address` in the source, written `count` times stepping +1.
  UpdateListWriter& fill(std::uint16_t address, int count, std::uint8_t topBits = 0) {
    return repeat(address, count, 0, topBits);
  }
  // The same down a column, stepping +32.
  UpdateListWriter& columnFill(std::uint16_t address, int count) {
    return repeat(address, count, kRecordStep32, 0);
  }

  std::vector<std::uint8_t> finish() {
    bytes_.push_back(kListEnd);
    return std::move(bytes_);
  }

 private:
  UpdateListWriter& copy(std::uint16_t address, int count, std::uint8_t stepBit,
                         std::uint8_t topBits) {
    header(address, static_cast<std::uint8_t>(stepBit | countField(count)), topBits);
    const int step = stepBit ? 32 : 1;
    for (int i = 0; i < count; ++i)
      bytes_.push_back(source_[(address + i * step) & kPpuAddressMask]);
    return *this;
  }

  UpdateListWriter& repeat(std::uint16_t address, int count, std::uint8_t stepBit,
                           std::uint8_t topBits) {
    header(address, static_cast<std::uint8_t>(stepBit | kRecordRepeat | countField(count)),
           topBits);
    bytes_.push_back(source_[address & kPpuAddressMask]);
    return *this;
  }

  void header(std::uint16_t address, std::uint8_t control, std::uint8_t topBits) {
    bytes_.push_back(static_cast<std::uint8_t>((address >> 8) | topBits));
    bytes_.push_back(static_cast<std::uint8_t>(address & 0xFF));
    bytes_.push_back(control);
  }

  static std::uint8_t countField(int count) {
    return static_cast<std::uint8_t>(count & kRecordCount);
  }

  const PpuImage& source_;
  std::vector<std::uint8_t> bytes_;
};

std::uint16_t at(int nameTable, int column, int row) {
  return nameTableAddress(nameTable, column, row);
}

std::vector<std::uint8_t> paletteBlockList(const Palette& romPalette) {
  std::vector<std::uint8_t> list = {0x3F, 0x00, 0x20};  // $3F00, step +1, 32 bytes
  list.insert(list.end(), romPalette.begin(), romPalette.end());
  list.push_back(kListEnd);
  return list;
}

// Played first: row 23 open at the bottom and the "PRESS START" box, as row records.
std::vector<std::uint8_t> firstList(const PpuImage& first) {
  using namespace layout;
  UpdateListWriter list(first);
  list.run(at(0, 0, kFrameBottom), 2)
      .fill(at(0, 2, kFrameBottom), 28, 0x40)
      .run(at(0, 30, kFrameBottom), 2);
  for (int row = kBoxTop; row < kBoxTop + 4; ++row) list.run(at(2, 0, row), 32);
  return list.finish();
}

void encodeScreenLists(std::array<std::vector<std::uint8_t>, kTitleSlots>& lists,
                       const PpuImage& screen) {
  using namespace layout;
  auto writer = [&screen] { return UpdateListWriter(screen); };
  const std::vector<std::uint8_t> empty = {kListEnd};

  lists[8] = writer().fill(at(0, 0, 0), 256).finish();  // rows 0-7 blank
  lists[9] = writer()
                 .run(at(0, kFrameLeft, kFrameTop), 1)
                 .fill(at(0, kFrameLeft + 1, kFrameTop), kFrameRight - kFrameLeft - 1)
                 .run(at(0, kFrameRight, kFrameTop), 1)
                 .finish();
  lists[10] = writer()
                  .columnFill(at(0, kFrameLeft, kFrameTop + 1), kFrameBottom - kFrameTop - 1)
                  .columnFill(at(0, kFrameRight, kFrameTop + 1), kFrameBottom - kFrameTop - 1)
                  .finish();
  lists[11] = empty;
  UpdateListWriter logo = writer();
  for (int row = 0; row < kLogoRows; ++row) {
    logo.run(at(0, kLogoColumn, kLogoRow + row), kLogoColumns, row == 0 ? 0x80 : 0);
  }
  lists[12] = logo.finish();
  UpdateListWriter sparkles = writer();
  for (int column = 0; column < 32; ++column) {
    if (screen[at(0, column, kSparkleRow)] == tile::kSparkle)
      sparkles.run(at(0, column, kSparkleRow), 1);
  }
  lists[13] = sparkles.finish();
  lists[14] = writer().fill(at(0, kBarLeft, kBarRow), kBarWidth).finish();
  lists[15] = empty;
  lists[16] = writer().run(at(0, 0, kDecorTop), 256).finish();  // rows 11-18 with the text
  lists[17] = empty;
  lists[18] = writer()
                  .columnRun(at(0, kDecorLeft, kDecorTop), kDecorHeight)
                  .columnRun(at(0, kDecorRight, kDecorTop), kDecorHeight)
                  .finish();
  lists[19] = writer().run(at(0, kBarLeft, kRampRow), kBarWidth).finish();
  lists[20] = writer().run(at(0, kFrameLeft, kFrameBottom), kFrameRight - kFrameLeft + 1).finish();
  lists[21] = writer().run(0x23C0, 32).finish();
  lists[22] = writer().run(0x23E0, 32, 0x40).finish();  // stored as $63E0
  lists[23] =
      writer()
          .run(at(2, kPressStartColumn, kPressStartRow), static_cast<int>(kPressStart.size()))
          .finish();
  for (int slot = 24; slot <= 33; ++slot) lists[static_cast<std::size_t>(slot)] = empty;
  lists[34] = writer().run(0x3F00, 16).finish();
}

}  // namespace

std::array<std::vector<std::uint8_t>, kTitleSlots> encodeDemoLists(const DemoScreen& screen,
                                                                   const Palette& romPalette) {
  std::array<std::vector<std::uint8_t>, kTitleSlots> lists;
  lists[1] = paletteBlockList(romPalette);
  encodeScreenLists(lists, screen.final);
  lists[35] = firstList(screen.firstList);
  return lists;
}

}  // namespace pelmora::demo
