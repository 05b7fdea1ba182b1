// libFuzzer target: arbitrary file content through everything an opened file goes through in
// the editor. The bytes are loaded as a ROM file, the title screen is imported and drawn in all
// five views, exported back into the image, and the exported image is imported again. Beyond
// the sanitizers' own checks, every promise the codec makes about these steps is tested here,
// and a broken one aborts with a line saying which.

#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "fuzz_support.h"
#include "fuzz_targets.h"
#include "gfx/master_palette.h"
#include "gfx/screen_views.h"
#include "palette/palette_edit.h"
#include "rom/ppu_update_list.h"
#include "rom/rom_file.h"
#include "rom/title_export.h"
#include "rom/title_import.h"
#include "rom/title_layout.h"
#include "state/editor_state.h"
#include "state/ppu_map.h"

namespace pelmora {
namespace {

using fuzz::require;

// Header bytes the loader never interprets choose how the views are drawn, so the fuzzer
// reaches every palette set and colour emphasis without a separate input format.
constexpr std::size_t kPaletteSetByte = 15;
constexpr std::size_t kPpuMaskByte = 14;

// The PPU ranges the export carries, each as [first, one past the last).
using ppu_address::kAttributeTable0;
using ppu_address::kBackgroundPalette;
using ppu_address::kNameTable0;
constexpr std::uint16_t kNameTable0Row24 = kNameTable0 + 24 * 32;
constexpr std::uint16_t kAttributeTable0End = kAttributeTable0 + 64;
constexpr std::uint16_t kNameTable2Row24 = ppu_address::kNameTable2 + 24 * 32;
constexpr std::uint16_t kNameTable2Row28 = ppu_address::kNameTable2 + 28 * 32;
constexpr std::uint16_t kBackgroundPaletteEnd = kBackgroundPalette + 16;

bool sameRange(const PpuImage& a, const PpuImage& b, std::uint16_t first, std::uint16_t end) {
  return std::equal(a.begin() + first, a.begin() + end, b.begin() + first);
}

// Half-open body ranges the export may write: pointers, both list areas, and the palette
// places. The two ranges of area A and B end where the fixed layout's last byte ends.
struct ByteRange {
  std::int32_t first;
  std::int32_t end;
};
constexpr ByteRange kExportWrites[] = {
    {title::kCoinPalette, title::kCoinPalette + 7},
    {title::kCoinCallFirst, title::kCoinCallFirst + 3},
    {title::kCoinCallSecond, title::kCoinCallSecond + 3},
    {title::slotPosition(title::kPaletteSlot), title::slotPosition(title::kPaletteSlot) + 2},
    {title::slotPosition(title::kFirstScreenSlot), title::slotPosition(title::kLastScreenSlot) + 2},
    {title::kAreaA, 0x32A85},
    {title::kAlternativeSets[0], title::kAlternativeSets[0] + 16},
    {title::kAlternativeSets[1], title::kAlternativeSets[1] + 16},
    {title::kAlternativeSets[2], title::kAlternativeSets[2] + 16},
    {title::kAlternativeSets[3], title::kAlternativeSets[3] + 16},
    {title::kAreaB, title::kExportEnd},
};

// True when `after` differs from `before` only inside the ranges the export may write.
bool onlyExportRangesChanged(const RomImage& before, const RomImage& after) {
  if (before.header != after.header || before.body.size() != after.body.size()) return false;
  std::size_t from = 0;
  for (const ByteRange& range : kExportWrites) {
    const auto first = static_cast<std::size_t>(range.first);
    if (!std::equal(before.body.begin() + from, before.body.begin() + first, after.body.begin() + from)) {
      return false;
    }
    from = static_cast<std::size_t>(range.end);
  }
  return std::equal(before.body.begin() + from, before.body.end(), after.body.begin() + from);
}

// True when the list behind slot 35 cannot be played from `rom`: the one part of a re-import
// that the export does not make well-formed, since it never rewrites slot 35.
bool list35Fails(const RomImage& rom) {
  const Expected<std::int32_t> start = titleListOffset(rom.body, title::kFirstListSlot);
  if (!start) return true;
  std::int64_t offset = *start;
  PpuImage scratch{};
  return !playUpdateList(rom.body, offset, scratch);
}

void drawAllViews(EditorState& state, const RomImage& rom) {
  static ScreenViews views;  // every view clears its surface before drawing
  ColourTables colours;
  PpuRegisters registers;
  registers.mask = rom.header[kPpuMaskByte];
  buildMasterPalette(registers, colours);
  state.paletteSet = static_cast<std::uint8_t>(rom.header[kPaletteSetByte] % kPaletteSetCount);
  applyPaletteSet(state, state.paletteSet);
  redrawViews(views, state, colours);
}

// What a re-import of the exported image must give back; `scratch` is a spare image buffer.
void checkReimport(const RomImage& exported, const EditorState& state, RomImage& scratch) {
  EditorState again;
  if (!importTitleScreen(exported, again)) {
    require(list35Fails(exported), "a re-import fails only on the list behind slot 35");
    return;
  }
  // Lists 8-34 are the exported ones and play after list 35, so they decide these ranges.
  require(sameRange(again.ppuImage, state.ppuImage, kNameTable0, kNameTable0Row24),
          "re-import gives back name table 0 rows 0-23");
  require(sameRange(again.ppuImage, state.ppuImage, kAttributeTable0, kAttributeTable0End),
          "re-import gives back the attribute table");
  require(sameRange(again.ppuImage, state.ppuImage, kBackgroundPalette, kBackgroundPaletteEnd),
          "re-import gives back the background palette");
  require(again.romPalette == state.romPalette, "re-import gives back the palette block");
  require(again.bkgPalettes == state.bkgPalettes, "re-import gives back the background sets");
  require(again.coinPalette == state.coinPalette, "re-import gives back the coin palette");
  require(again.coinEnabled == state.coinEnabled, "re-import gives back the coin switch");

  // Slot 35 is never rewritten; only when it leads to the exported list 35 do its rows return.
  const Expected<std::int32_t> list35 = titleListOffset(exported.body, title::kFirstListSlot);
  if (!list35 || *list35 != title::kExportedList35) return;
  require(sameRange(again.ppuImage, state.ppuImage, kNameTable2Row24, kNameTable2Row28),
          "re-import gives back name table 2 rows 24-27");
  require(again.stream35Row == state.stream35Row, "re-import gives back list 35's row 23");
  scratch = exported;
  require(static_cast<bool>(exportTitleScreen(again, scratch)) && scratch == exported,
          "exporting the re-imported screen writes the same image");
}

// Images are kept between inputs: copying into a buffer that already has the room costs a
// memory copy, where a fresh allocation of this size costs the sanitizer a new mapping.
struct Images {
  RomImage rom;
  RomImage original;
  RomImage exported;
};

void fuzzOneFile(const std::uint8_t* data, std::size_t size) {
  static Images images;
  RomImage& rom = images.rom;
  const std::int16_t loaded = loadRomBytes(rom, data, size);
  if (loaded != kRomFileOk) {
    require(loaded == (size < 17 ? kRomFileIoError : kRomFileNotInes),
            "load result follows length and signature");
    return;
  }
  require(rom.body.size() == size - kRomHeaderSize, "the body is the file after its header");

  EditorState state;
  const EditorState untouched = state;
  if (!importTitleScreen(rom, state)) {
    require(state == untouched, "a failed import leaves the state as it was");
    return;
  }
  drawAllViews(state, rom);

  images.original = rom;
  const EditorState beforeExport = state;
  if (!exportTitleScreen(state, rom)) {
    require(rom.body.size() < static_cast<std::size_t>(title::kExportEnd),
            "only an image too short for the layout refuses the export");
    require(rom == images.original && state == beforeExport, "a failed export changes nothing");
    return;
  }
  require(rom.body.size() >= static_cast<std::size_t>(title::kExportEnd),
          "an export succeeds only on an image that holds the whole layout");
  require(onlyExportRangesChanged(images.original, rom), "the export writes only its fixed ranges");

  images.exported = rom;
  require(static_cast<bool>(exportTitleScreen(state, rom)) && rom == images.exported,
          "a second export changes nothing");
  checkReimport(images.exported, state, images.original);
}

}  // namespace

int fuzz::fuzzTitleScreen(const std::uint8_t* data, std::size_t size) {
  fuzzOneFile(data, size);
  return 0;
}

}  // namespace pelmora
