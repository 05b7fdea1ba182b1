// pelmora-cli resave ROM -o OUT: Open, then Save to another file.

#include <CLI/CLI.hpp>
#include <memory>

#include "cli/cli_command.h"

namespace pelmora::cli {
namespace {

struct ResaveOptions {
  std::string rom;
  std::string out;
  bool force = false;
};

int runResave(const ResaveOptions& options, Streams streams) {
  Document document;
  if (const auto failed = openOrReport(document, options.rom, streams.err,
                                      unexpectedGameHandling(options.force), OpenedCopy::kSkip))
    return *failed;
  return reportSave(saveDocumentAs(document, options.out), options.out, streams.err);
}

}  // namespace

Command addResaveCommand(CLI::App& program) {
  auto options = std::make_shared<ResaveOptions>();
  CLI::App* command =
      program.add_subcommand("resave", "Load, import, export and save as the editor does");
  command->add_option("ROM", options->rom, "The ROM image")->required();
  command->add_option("-o", options->out, "The file to write")->required();
  addForceOption(*command, options->force);
  return {command, [options](Streams streams) { return runResave(*options, streams); }};
}

}  // namespace pelmora::cli
