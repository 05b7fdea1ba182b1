// pelmora-cli chr ROM -o OUT.chr: the title's 256 tiles (CHR bank 30) as a 4,096-byte .chr file.

#include <CLI/CLI.hpp>
#include <memory>

#include "cli/cli_command.h"
#include "formats/chr_file.h"

namespace pelmora::cli {
namespace {

struct ChrOptions {
  std::string rom;
  std::string out;
};

int runChr(const ChrOptions& options, Streams streams) {
  Document document;
  if (const auto failed = openOrReport(document, options.rom, streams.err, OpenedCopy::kSkip))
    return *failed;
  return reportWrite(writeChrFile(options.out, document.state.tileSheet), options.out, streams.err);
}

}  // namespace

Command addChrCommand(CLI::App& program) {
  auto options = std::make_shared<ChrOptions>();
  CLI::App* command =
      program.add_subcommand("chr", "Write the title's tiles (4,096 bytes) as a .chr file");
  command->add_option("ROM", options->rom, "The ROM image")->required();
  command->add_option("-o", options->out, "The .chr file to write")->required();
  return {command, [options](Streams streams) { return runChr(*options, streams); }};
}

}  // namespace pelmora::cli
