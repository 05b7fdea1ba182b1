#include "fuzz_support.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "demo/demo_image.h"
#include "fuzz_targets.h"
#include "edit/patched_document.h"
#include "rom/rom_file.h"
#include "rom/title_import.h"
#include "state/ppu_map.h"

namespace pelmora::fuzz {

void require(bool condition, const char* promise) {
  if (condition) return;
  std::fprintf(stderr, "broken promise: %s\n", promise);
  std::abort();
}

const Document& demoDocument() {
  static const Document document = [] {
    Document opened;
    opened.rom = buildDemoImage();
    require(static_cast<bool>(importTitleScreen(opened.rom, opened.state)), "the demo opens");
    opened.openedRom = opened.rom;
    opened.loaded = true;
    return opened;
  }();
  return document;
}

const Bytes& savedDemoBytes() {
  static const Bytes bytes = [] {
    const Expected<RomImage> saved = exportedImage(demoDocument());
    require(static_cast<bool>(saved), "the demo saves");
    return romFileBytes(*saved);
  }();
  return bytes;
}

namespace {

// The cells Save carries on both screens, compared range by range.
bool sameScreens(const EditorState& a, const EditorState& b) {
  using namespace ppu_address;
  const auto same = [&](std::size_t first, std::size_t end) {
    return std::equal(a.ppuImage.begin() + first, a.ppuImage.begin() + end, b.ppuImage.begin() + first);
  };
  return same(kNameTable0, kNameTable0 + 24 * 32) && same(kAttributeTable0, kAttributeTable0 + 64) &&
         same(kNameTable2 + 24 * 32, kNameTable2 + 28 * 32);
}

}  // namespace

void requireSavesAndReopens(const EditorState& state) {
  requireSavesAndReopens(demoDocument().rom, state);
}

void requireSavesAndReopens(const RomImage& rom, const EditorState& state) {
  static Document document = demoDocument();  // reused: an image copy instead of a new mapping
  document.rom = rom;
  document.state = state;
  const Expected<RomImage> saved = exportedImage(document);
  if (!saved) {
    require(&rom != &demoDocument().rom, "an accepted import can be saved into the demo image");
    require(!saved.error().what.empty(), "a refused Save says why");
    return;
  }
  const Bytes file = romFileBytes(*saved);

  document.rom = RomImage{};
  require(loadRomBytes(document.rom, file.data(), file.size()) == kRomFileOk,
          "the saved image loads");
  EditorState reopened;
  require(static_cast<bool>(importTitleScreen(document.rom, reopened)),
          "the saved image's title screen opens");
  require(reopened.tileSheet == state.tileSheet, "the reopened image has the saved tiles");
  require(sameScreens(reopened, state), "the reopened image shows the saved cells");
  require(reopened.romPalette == state.romPalette, "the reopened image has the saved palette");
  document.state = reopened;
  const Expected<RomImage> savedAgain = exportedImage(document);
  require(savedAgain && *savedAgain == *saved, "saving the reopened image writes the same file");
}

void requirePatchOnDemoKeepsPromises(const Bytes& patch) {
  const Expected<PatchedImage> patched = patchedDocument(demoDocument(), patch);
  if (!patched) {
    require(!patched.error().what.empty(), "a refused patch says why");
    return;
  }
  const Bytes file = romFileBytes(patched.value().rom);
  RomImage again;
  require(loadRomBytes(again, file.data(), file.size()) == kRomFileOk, "the patched image loads");
  require(again == patched.value().rom, "the patched image loads as it was applied");
  EditorState reopened;
  require(static_cast<bool>(importTitleScreen(again, reopened)), "the patched image opens again");
  require(reopened.tileSheet == patched.value().state.tileSheet && reopened.ppuImage == patched.value().state.ppuImage &&
              reopened.romPalette == patched.value().state.romPalette,
          "the patched image opens again to the same screen");
  requireSavesAndReopens(patched.value().rom, patched.value().state);
}

std::span<const Target> targets() {
  static const Target all[] = {
      {"title_screen", fuzzTitleScreen},   {"ips_apply", fuzzIpsApply},
      {"bps_apply", fuzzBpsApply},         {"patch_round_trip", fuzzPatchRoundTrip},
      {"picture_import", fuzzPictureImport}, {"nam_import", fuzzNamImport},
      {"pal_import", fuzzPalImport},       {"chr_import", fuzzChrImport},
      {"clipboard_paste", fuzzClipboardPaste}, {"bps_metadata", fuzzBpsMetadata},
      {"master_palette", fuzzMasterPalette},
  };
  return all;
}

Entry findTarget(std::string_view name) {
  for (const Target& target : targets())
    if (name == target.name) return target.entry;
  return nullptr;
}

}  // namespace pelmora::fuzz
