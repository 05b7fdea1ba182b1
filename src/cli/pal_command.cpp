// pelmora-cli pal ROM [--palette-set N] -o OUT.pal: the palette as shown, 32 bytes.

#include <CLI/CLI.hpp>
#include <memory>

#include "cli/cli_command.h"
#include "formats/pal_file.h"
#include "palette/palette_edit.h"
#include "rom/safe_file_write.h"

namespace pelmora::cli {
namespace {

struct PalOptions {
  std::string rom;
  int presses = 0;
  std::string out;
};

int runPal(const PalOptions& options, Streams streams) {
  Document document;
  if (const auto failed = openOrReport(document, options.rom, streams.err, OpenedCopy::kSkip))
    return *failed;
  for (int press = 0; press < options.presses; ++press) cyclePaletteSet(document.state);
  const Status written =
      writeFileSafely(options.out, exportPaletteFile(document.state), ExistingTail::kDrop,
                      FlushToDisk::kSkip);
  return reportWrite(written, options.out, streams.err);
}

}  // namespace

Command addPalCommand(CLI::App& program) {
  auto options = std::make_shared<PalOptions>();
  CLI::App* command =
      program.add_subcommand("pal", "Write the palette as shown (32 bytes) as a .pal file");
  command->add_option("ROM", options->rom, "The ROM image")->required();
  addPaletteSetOption(*command, options->presses);
  command->add_option("-o", options->out, "The .pal file to write")->required();
  return {command, [options](Streams streams) { return runPal(*options, streams); }};
}

}  // namespace pelmora::cli
