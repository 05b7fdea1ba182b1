// pelmora-cli render ROM --view VIEW [--palette-set N] -o OUT.png: one picture surface of the
// main window, as it shows after Open and N presses of the palette-cycle button.

#include <CLI/CLI.hpp>
#include <map>
#include <memory>

#include "cli/cli_command.h"
#include "formats/png_file.h"
#include "gfx/master_palette.h"
#include "gfx/screen_views.h"
#include "palette/palette_edit.h"

namespace pelmora::cli {
namespace {

const std::map<std::string, Surface ScreenViews::*>& views() {
  static const std::map<std::string, Surface ScreenViews::*> names = {
      {"tiles", &ScreenViews::PAT0}, {"screen0", &ScreenViews::NAT0},
      {"attr0", &ScreenViews::ATT0}, {"screen1", &ScreenViews::NAT1},
      {"attr1", &ScreenViews::ATT1},
  };
  return names;
}

struct RenderOptions {
  std::string rom;
  std::string view;
  int presses = 0;
  std::string out;
};

int runRender(const RenderOptions& options, Streams streams) {
  Document document;
  if (const auto failed = openOrReport(document, options.rom, streams.err)) return *failed;
  for (int press = 0; press < options.presses; ++press) cyclePaletteSet(document.state);

  ColourTables colours;
  buildMasterPalette(PpuRegisters{}, colours);
  ScreenViews screens;
  redrawViews(screens, document.state, colours);
  const Surface& surface = screens.*(views().at(options.view));
  return reportWrite(writeRgbPng(surfaceImage(surface), options.out), options.out, streams.err);
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
  command->add_option("-o", options->out, "The PNG file to write")->required();
  return {command, [options](Streams streams) { return runRender(*options, streams); }};
}

}  // namespace pelmora::cli
