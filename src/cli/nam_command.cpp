// pelmora-cli nam ROM --screen 0|2 -o OUT.nam: a screen's name table and attributes as a file
// (screen 1 is name table 2 as well, as earlier versions called it).

#include <CLI/CLI.hpp>
#include <memory>

#include "cli/cli_command.h"
#include "formats/nam_file.h"
#include "rom/safe_file_write.h"

namespace pelmora::cli {
namespace {

struct NamOptions {
  std::string rom;
  int screen = 0;
  std::string out;
};

int runNam(const NamOptions& options, Streams streams) {
  Document document;
  if (const auto failed = openOrReport(document, options.rom, streams.err, UnexpectedGame::kWarn,
                                      OpenedCopy::kSkip))
    return *failed;
  const int screen = options.screen == 0 ? 0 : 1;  // the second screen, name table 2
  const Status written = writeFileSafely(options.out, exportNameTable(document.state, screen),
                                         ExistingTail::kDrop, FlushToDisk::kSkip);
  return reportWrite(written, options.out, streams.err);
}

}  // namespace

Command addNamCommand(CLI::App& program) {
  auto options = std::make_shared<NamOptions>();
  CLI::App* command =
      program.add_subcommand("nam", "Write a screen's name table (1,024 bytes) as a .nam file");
  command->add_option("ROM", options->rom, "The ROM image")->required();
  command->add_option("--screen", options->screen, "0: name table 0; 2 (or 1): name table 2")
      ->required()
      ->check(CLI::IsMember({0, 1, 2}));
  command->add_option("-o", options->out, "The .nam file to write")->required();
  return {command, [options](Streams streams) { return runNam(*options, streams); }};
}

}  // namespace pelmora::cli
