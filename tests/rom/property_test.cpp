// Round-trip properties of the title-screen codec over generated images of the game's layout:
// random update lists of every record form in the free stretches of bank 25, random palettes
// and coin bytes. Each property is checked on many seeded images; a failure names its seed.

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "demo/demo_image.h"
#include "rom/title_export.h"
#include "rom/title_import.h"
#include "rom/title_layout.h"
#include "support/layout_image.h"

namespace pelmora {
namespace {

using testing::blankTitleImage;
using testing::putList;

constexpr std::int32_t kAreaAEnd = 0x32A85;        // one past slot 29's list
constexpr std::int32_t kPaletteBlock = 0x335C7;    // list 1 + its 3-byte record header
constexpr std::int32_t kBackgroundList = 0x335B0;  // list 34
constexpr std::int32_t kRecordHeader = 3;

// Where the export puts the list of `slot` (8-33): area A for 8-29, area B from 30 on.
std::int32_t exportedListStart(int slot) {
  return slot < 30 ? title::kAreaA + 36 * (slot - 8) : title::kAreaB + 36 * (slot - 30);
}

// The only bank-24/25 bytes outside the fixed layout are compared one by one; the rest of the
// body must be equal as a whole.
constexpr std::int32_t kCompareFirst = 0x30000;
constexpr std::int32_t kCompareEnd = title::kBankEnd;

// Body offsets where two images of the same size differ, in increasing order.
std::vector<std::int32_t> changedBytes(const RomImage& before, const RomImage& after) {
  EXPECT_EQ(before.header, after.header);
  EXPECT_TRUE(std::equal(before.body.begin(), before.body.begin() + kCompareFirst, after.body.begin()));
  EXPECT_TRUE(std::equal(before.body.begin() + kCompareEnd, before.body.end(),
                         after.body.begin() + kCompareEnd, after.body.end()));
  std::vector<std::int32_t> changed;
  for (std::int32_t offset = kCompareFirst; offset < kCompareEnd; ++offset) {
    if (before.body[static_cast<std::size_t>(offset)] != after.body[static_cast<std::size_t>(offset)]) {
      changed.push_back(offset);
    }
  }
  return changed;
}

// True when `offset` is one the export writes.
bool exportWrites(std::int32_t offset) {
  auto in = [offset](std::int32_t first, std::int32_t count) {
    return offset >= first && offset < first + count;
  };
  if (in(title::kCoinPalette, 7) || in(title::kCoinCallFirst, 3) || in(title::kCoinCallSecond, 3)) {
    return true;
  }
  if (in(title::slotPosition(1), 2) || in(title::slotPosition(8), 2 * 27)) return true;
  if (in(title::kAreaA, kAreaAEnd - title::kAreaA) || in(title::kAreaB, title::kExportEnd - title::kAreaB)) {
    return true;
  }
  return std::any_of(title::kAlternativeSets.begin(), title::kAlternativeSets.end(),
                     [&](std::int32_t set) { return in(set, 16); });
}

// Hands out room in free stretches of bank 25, first fit.
class ListSpace {
 public:
  struct Stretch {
    std::int32_t next;
    std::int32_t end;
  };
  explicit ListSpace(std::vector<Stretch> stretches) : stretches_(std::move(stretches)) {}

  std::optional<std::int32_t> take(std::size_t length) {
    for (Stretch& stretch : stretches_) {
      if (stretch.next + static_cast<std::int32_t>(length) <= stretch.end) {
        const std::int32_t position = stretch.next;
        stretch.next += static_cast<std::int32_t>(length);
        return position;
      }
    }
    return std::nullopt;
  }

 private:
  std::vector<Stretch> stretches_;
};

// Seeded images of the game's layout, built on the blank layout image or on the demo image with
// its hand-written lists.
class ImageGenerator {
 public:
  explicit ImageGenerator(unsigned seed) : random_(seed) {}

  int below(int limit) { return std::uniform_int_distribution<int>(0, limit - 1)(random_); }
  std::uint8_t byte() { return static_cast<std::uint8_t>(below(256)); }
  std::uint8_t nonZeroByte() { return static_cast<std::uint8_t>(1 + below(255)); }

  // Writes a new image into `rom`, reusing its buffer: the body is large, and the sanitizers
  // make every fresh allocation of that size slow.
  void image(RomImage& rom) {
    const bool onDemo = below(4) == 0;
    rom = onDemo ? demoImage() : blankImage();
    // Around the pointer table, the export's areas, the alternative sets and the blank image's
    // empty list at 0x33F00.
    ListSpace space(onDemo ? std::vector<ListSpace::Stretch>{{0x32000, 0x325DA}, {0x33697, 0x34000}}
                           : std::vector<ListSpace::Stretch>{
                                 {0x32000, 0x325DA}, {0x32B00, 0x33520}, {0x33697, 0x33F00}});
    if (const auto block = space.take(kRecordHeader + 32)) {
      std::vector<std::uint8_t> record = {0x3F, 0x00, 0x20};
      for (int i = 0; i < 32; ++i) record.push_back(byte());
      putList(rom, title::kPaletteSlot, *block, record);
    }
    for (int slot = title::kFirstScreenSlot; slot <= title::kFirstListSlot; ++slot) {
      if (onDemo && below(2) == 0) continue;  // keep some of the demo's own lists
      const std::vector<std::uint8_t> list = randomList();
      const bool atExportedPlace = slot == title::kFirstListSlot && below(2) == 0 &&
                                   list.size() <= static_cast<std::size_t>(title::kExportEnd - title::kExportedList35);
      const std::optional<std::int32_t> position =
          atExportedPlace ? std::optional<std::int32_t>(title::kExportedList35) : space.take(list.size());
      if (position) putList(rom, slot, *position, list);
    }
    for (const std::int32_t set : title::kAlternativeSets) fill(rom, set, 16);
    fill(rom, title::kCoinPalette, 7);
    fill(rom, title::kCoinCallSecond, 3);
    rom.body[title::kCoinCallFirst] = below(2) == 0 ? title::kOpcodeJsr : byte();
  }

 private:
  static const RomImage& demoImage() {
    static const RomImage demo = buildDemoImageWithVariedLists();
    return demo;
  }
  static const RomImage& blankImage() {
    static const RomImage blank = blankTitleImage();
    return blank;
  }

  void fill(RomImage& rom, std::int32_t offset, int count) {
    for (int i = 0; i < count; ++i) rom.body[static_cast<std::size_t>(offset + i)] = byte();
  }

  // Up to five records of random form, then the end byte.
  std::vector<std::uint8_t> randomList() {
    std::vector<std::uint8_t> list;
    for (int records = below(6); records > 0; --records) appendRandomRecord(list);
    list.push_back(0x00);
    return list;
  }

  void appendRandomRecord(std::vector<std::uint8_t>& list) {
    // Mostly the name tables, sometimes the palettes, now and then anywhere (wrapping at $3FFF).
    const int where = below(8);
    const int address = where == 0 ? 0x3F00 + below(32) : where == 1 ? 0x100 + below(0x3F00) : 0x2000 + below(0x1000);
    const auto topBits = static_cast<std::uint8_t>(below(4) << 6);  // ignored by the decoder
    const bool step32 = below(3) == 0;
    const bool repeat = below(3) == 0;
    // A count field of 0 (256 writes) is kept rare for plain records, which then take 259 bytes.
    int count = 1 + below(40);
    if (below(12) == 0) count = 0;
    list.push_back(static_cast<std::uint8_t>((address >> 8) | topBits));
    list.push_back(static_cast<std::uint8_t>(address & 0xFF));
    list.push_back(static_cast<std::uint8_t>((step32 ? 0x80 : 0) | (repeat ? 0x40 : 0) | count));
    const int dataBytes = repeat ? 1 : (count == 0 ? 256 : count);
    for (int i = 0; i < dataBytes; ++i) list.push_back(byte());
  }

  std::mt19937 random_;
};

bool list35AtExportedPlace(const RomImage& rom) {
  const Expected<std::int32_t> list35 = titleListOffset(rom.body, title::kFirstListSlot);
  return list35 && *list35 == title::kExportedList35;
}

bool sameRange(const PpuImage& a, const PpuImage& b, std::uint16_t first, std::uint16_t end) {
  return std::equal(a.begin() + first, a.begin() + end, b.begin() + first);
}

constexpr unsigned kImages = 200;

TEST(TitleCodecProperties, ImportExportImportKeepsTheExportedRangesAndExportsAreStable) {
  RomImage rom, original, exported, reexported;  // buffers reused from image to image
  for (unsigned seed = 1; seed <= kImages; ++seed) {
    SCOPED_TRACE("image seed " + std::to_string(seed));
    ImageGenerator generator(seed);
    generator.image(rom);
    original = rom;
    EditorState state;
    ASSERT_TRUE(importTitleScreen(rom, state));
    ASSERT_TRUE(exportTitleScreen(state, rom));

    const std::vector<std::int32_t> changed = changedBytes(original, rom);
    const auto stray = std::find_if_not(changed.begin(), changed.end(), exportWrites);
    EXPECT_EQ(stray, changed.end()) << "the export wrote body offset " << (stray == changed.end() ? 0 : *stray);

    exported = rom;
    ASSERT_TRUE(exportTitleScreen(state, rom));
    ASSERT_TRUE(rom == exported) << "a second export changed the image";

    EditorState again;
    ASSERT_TRUE(importTitleScreen(rom, again));
    EXPECT_TRUE(sameRange(again.ppuImage, state.ppuImage, 0x2000, 0x2300)) << "rows 0-23";
    EXPECT_TRUE(sameRange(again.ppuImage, state.ppuImage, 0x23C0, 0x2400)) << "attributes";
    EXPECT_TRUE(sameRange(again.ppuImage, state.ppuImage, 0x3F00, 0x3F10)) << "background palette";
    EXPECT_EQ(again.romPalette, state.romPalette);
    EXPECT_EQ(again.bkgPalettes, state.bkgPalettes);
    EXPECT_EQ(again.coinPalette, state.coinPalette);
    EXPECT_EQ(again.coinEnabled, state.coinEnabled);
    if (list35AtExportedPlace(rom)) {
      // Only then does the re-import play the list 35 the export wrote.
      EXPECT_TRUE(sameRange(again.ppuImage, state.ppuImage, 0x2B00, 0x2B80)) << "name table 2 rows 24-27";
      EXPECT_EQ(again.stream35Row, state.stream35Row);
      reexported = rom;
      ASSERT_TRUE(exportTitleScreen(again, reexported));
      EXPECT_TRUE(reexported == exported) << "the re-imported screen exports differently";
    }
  }
}

// One edit of the editor state and the body offsets it must change on the next export.
struct Edit {
  std::string what;
  std::vector<std::int32_t> expected;
};

Edit randomEdit(ImageGenerator& random, EditorState& state) {
  const std::uint8_t flip = random.nonZeroByte();  // XOR with it always changes the byte
  switch (random.below(9)) {
    case 0: {
      const int row = random.below(24);
      const int column = random.below(32);
      state.ppuImage[static_cast<std::size_t>(0x2000 + 32 * row + column)] ^= flip;
      return {"tile at row " + std::to_string(row) + " column " + std::to_string(column),
              {exportedListStart(8 + row) + kRecordHeader + column}};
    }
    case 1: {
      const int row = random.below(4);
      const int column = random.below(32);
      state.ppuImage[static_cast<std::size_t>(0x2B00 + 32 * row + column)] ^= flip;
      return {"name table 2 row " + std::to_string(24 + row) + " column " + std::to_string(column),
              {title::kExportedList35 + 35 * (row + 1) + kRecordHeader + column}};
    }
    case 2: {
      const int n = random.below(64);
      state.ppuImage[static_cast<std::size_t>(0x23C0 + n)] ^= flip;
      return {"attribute byte " + std::to_string(n), {exportedListStart(32 + n / 32) + kRecordHeader + n % 32}};
    }
    case 3: {
      const int column = random.below(32);
      state.stream35Row[static_cast<std::size_t>(column)] ^= flip;
      return {"list 35's row 23 column " + std::to_string(column),
              {title::kExportedList35 + kRecordHeader + column}};
    }
    case 4: {
      const int i = random.below(32);
      state.romPalette[static_cast<std::size_t>(i)] ^= flip;
      return {"palette block entry " + std::to_string(i), {kPaletteBlock + i}};
    }
    case 5: {
      const int i = random.below(80);
      state.bkgPalettes[static_cast<std::size_t>(i)] ^= flip;
      const std::int32_t at = i < 16 ? kBackgroundList + kRecordHeader + i
                                     : title::kAlternativeSets[static_cast<std::size_t>(i / 16 - 1)] + i % 16;
      return {"background set entry " + std::to_string(i), {at}};
    }
    case 6: {
      const int k = random.below(7);
      state.coinPalette[static_cast<std::size_t>(k)] ^= flip;
      return {"coin palette entry " + std::to_string(k), {title::kCoinPalette + k}};
    }
    case 7: {
      state.coinEnabled = !state.coinEnabled;
      const std::int32_t first = title::kCoinCallFirst;
      const std::int32_t second = title::kCoinCallSecond;
      return {"coin switch", {first, first + 1, first + 2, second, second + 1, second + 2}};
    }
    default: {
      // PPU bytes the export does not carry: name table 0 rows 24-29, the rest of name table 2,
      // name tables 1 and 3, and palette memory (background set 0 replaces it on export).
      const std::array<std::pair<int, int>, 4> ranges = {
          {{0x2300, 0x23C0}, {0x2400, 0x2B00}, {0x2B80, 0x3000}, {0x3F00, 0x3F20}}};
      const auto& [first, end] = ranges[static_cast<std::size_t>(random.below(4))];
      const int address = first + random.below(end - first);
      state.ppuImage[static_cast<std::size_t>(address)] ^= flip;
      return {"PPU byte " + std::to_string(address) + ", which is not exported", {}};
    }
  }
}

TEST(TitleCodecProperties, AnEditLandsOnlyInItsOwnBytes) {
  RomImage rom, before;
  for (unsigned seed = 1; seed <= kImages / 2; ++seed) {
    SCOPED_TRACE("image seed " + std::to_string(seed));
    ImageGenerator generator(seed);
    generator.image(rom);
    EditorState state;
    ASSERT_TRUE(importTitleScreen(rom, state));
    ASSERT_TRUE(exportTitleScreen(state, rom));
    for (int edits = 0; edits < 6; ++edits) {
      before = rom;
      const Edit edit = randomEdit(generator, state);
      ASSERT_TRUE(exportTitleScreen(state, rom));
      EXPECT_EQ(changedBytes(before, rom), edit.expected) << edit.what;
    }
  }
}

}  // namespace
}  // namespace pelmora
