// pelmora-cli render ROM --view VIEW [--palette-set N] [--master-palette FILE.pal] -o OUT.png:
// one picture surface of the main window, as it shows after Open and N presses of the
// palette-cycle button, in the built-in colours or those of an emulator's .pal file.

#include <CLI/CLI.hpp>
#include <map>
#include <memory>
#include <optional>
#include <ostream>

#include "cli/cli_command.h"
#include "formats/png_file.h"
#include "gfx/master_palette.h"
#include "gfx/master_palette_file.h"
#include "gfx/screen_views.h"
#include "gfx/views.h"
#include "palette/palette_edit.h"

namespace pelmora::cli {
namespace {

// One view of the main window, drawn alone into a surface of its size: the same drawing calls
// and scales as the window's views, without making the four surfaces not asked for.
using DrawView = void (*)(Surface&, const EditorState&, const ColourTables&);

template <std::uint8_t kNameTable>
void drawScreen(Surface& surface, const EditorState& state, const ColourTables& colours) {
  drawNameTable(surface, state.ppuImage, kNameTable, state.tileSheet, state.viewPalette,
                kNameTableScale, colours);
}

template <std::uint8_t kNameTable>
void drawAttributes(Surface& surface, const EditorState& state, const ColourTables& colours) {
  drawAttributeTable(surface, state.ppuImage, kNameTable, colours.attributeColours,
                     kAttributeScale);
}

void drawTiles(Surface& surface, const EditorState& state, const ColourTables& colours) {
  drawTileSheet(surface, state.tileSheet, state.viewPalette, state.paletteSet, kTileSheetScale,
                colours);
}

struct ViewDrawing {
  int width;
  int height;
  DrawView draw;
};

const std::map<std::string, ViewDrawing>& views() {
  static const std::map<std::string, ViewDrawing> names = {
      {"tiles", {256, 256, drawTiles}},         {"screen0", {256, 240, drawScreen<0>}},
      {"attr0", {256, 240, drawAttributes<0>}}, {"screen1", {256, 240, drawScreen<2>}},
      {"attr1", {256, 240, drawAttributes<2>}},
  };
  return names;
}

struct RenderOptions {
  std::string rom;
  std::string view;
  int presses = 0;
  std::string masterPalette;
  std::string out;
};

// The colour tables, through the user's .pal file when one is given; nothing (after the
// report, with the exit code in `exitCode`) when it cannot be read or is too short.
std::optional<ColourTables> colourTables(const RenderOptions& options, std::ostream& err,
                                         int& exitCode) {
  ColourTables colours;
  if (options.masterPalette.empty()) {
    buildMasterPalette(PpuRegisters{}, colours);
    return colours;
  }
  const auto content = readInputOrReport(options.masterPalette, err, exitCode);
  if (!content) return std::nullopt;
  const Expected<UserMasterPalette> user = readMasterPaletteFile(*content);
  if (!user) {
    exitCode = reportFile(err, options.masterPalette, user.error().what, kExitMalformedInput);
    return std::nullopt;
  }
  buildMasterPalette(PpuRegisters{}, colours, &user.value());
  return colours;
}

int runRender(const RenderOptions& options, Streams streams) {
  Document document;
  if (const auto failed = openOrReport(document, options.rom, streams.err)) return *failed;
  for (int press = 0; press < options.presses; ++press) cyclePaletteSet(document.state);

  int exitCode = kExitOk;
  const std::optional<ColourTables> colours = colourTables(options, streams.err, exitCode);
  if (!colours) return exitCode;
  const ViewDrawing& view = views().at(options.view);
  Surface surface(view.width, view.height);
  view.draw(surface, document.state, *colours);
  return reportWrite(writeSurfacePng(surface, options.out), options.out, streams.err);
}

}  // namespace

Command addRenderCommand(CLI::App& program) {
  auto options = std::make_shared<RenderOptions>();
  CLI::App* command = program.add_subcommand("render", "Write one view as a PNG picture");
  command->add_option("ROM", options->rom, "The ROM image")->required();
  command->add_option("--view", options->view, "tiles, screen0, attr0, screen1 or attr1")
      ->required()
      ->check(CLI::IsMember({"tiles", "screen0", "attr0", "screen1", "attr1"}));
  addPaletteSetOption(*command, options->presses);
  command->add_option("--master-palette", options->masterPalette,
                      "An emulator's .pal file (192 or 1,536 bytes) to draw the colours with");
  command->add_option("-o", options->out, "The PNG file to write")->required();
  return {command, [options](Streams streams) { return runRender(*options, streams); }};
}

}  // namespace pelmora::cli
