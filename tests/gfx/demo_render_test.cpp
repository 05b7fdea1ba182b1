// The five views of the demo image, under every palette set, against the checksums kept in
// reference/demo_views.txt. The PNGs beside it show the same pixels (written by
// `pelmora-cli render`); reference/png_checksums.py recomputes the checksums from them.
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

#include "demo/demo_image.h"
#include "gfx/master_palette.h"
#include "gfx/screen_views.h"
#include "palette/palette_edit.h"
#include "rom/title_import.h"

namespace pelmora {
namespace {

// FNV-1a, 64 bits, over the pixels as red, green, blue bytes row by row: the bytes of an 8-bit
// RGB image of the view.
std::uint64_t pixelChecksum(const Surface& surface) {
  std::uint64_t hash = 0xCBF29CE484222325u;
  const auto add = [&](std::uint32_t byte) {
    hash ^= byte & 0xFFu;
    hash *= 0x100000001B3u;
  };
  for (int y = 0; y < surface.height(); ++y) {
    for (int x = 0; x < surface.width(); ++x) {
      const std::uint32_t pixel = surface.pixel(x, y);
      add(pixel);
      add(pixel >> 8);
      add(pixel >> 16);
    }
  }
  return hash;
}

std::string referenceLine(int paletteSet, const char* view, const Surface& surface) {
  std::ostringstream line;
  line << paletteSet << ' ' << view << ' ' << surface.width() << ' ' << surface.height() << ' '
       << std::hex << pixelChecksum(surface);
  return line.str();
}

// Reference lines keyed by "palette-set view"; comment lines start with '#'.
std::map<std::string, std::string> readReference(const std::string& path) {
  std::map<std::string, std::string> lines;
  std::ifstream in(path);
  std::string line;
  while (std::getline(in, line)) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream fields(line);
    std::string set, view;
    fields >> set >> view;
    lines[set + ' ' + view] = line;
  }
  return lines;
}

TEST(DemoRender, EveryViewUnderEveryPaletteSetMatchesTheReference) {
  EditorState state;
  initEditorState(state);
  ASSERT_TRUE(importTitleScreen(buildDemoImage(), state));
  ColourTables colours;
  buildMasterPalette(state.ppuRegisters, colours);

  const auto reference = readReference(PELMORA_TEST_DATA_DIR "/gfx/reference/demo_views.txt");
  std::string actual;
  bool allMatch = true;
  ScreenViews views;
  for (int paletteSet = 0; paletteSet < kPaletteSetCount; ++paletteSet) {
    redrawViews(views, state, colours);
    const std::pair<const char*, const Surface*> named[] = {{"tiles", &views.PAT0},
                                                            {"screen0", &views.NAT0},
                                                            {"attr0", &views.ATT0},
                                                            {"screen1", &views.NAT1},
                                                            {"attr1", &views.ATT1}};
    for (const auto& [view, surface] : named) {
      const std::string line = referenceLine(paletteSet, view, *surface);
      const auto found = reference.find(std::to_string(paletteSet) + ' ' + view);
      const bool matches = found != reference.end() && found->second == line;
      EXPECT_TRUE(matches) << "palette set " << paletteSet << ", view " << view;
      allMatch = allMatch && matches;
      actual += line + '\n';
    }
    cyclePaletteSet(state);
  }
  EXPECT_EQ(state.paletteSet, 0);
  if (!allMatch) ADD_FAILURE() << "rendered checksums:\n" << actual;
}

}  // namespace
}  // namespace pelmora
