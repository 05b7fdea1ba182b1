// pelmora-cli: the editor's Open, Save, views and files on the command line, on the same core.

#include <CLI/CLI.hpp>
#include <array>
#include <csignal>
#include <iostream>

#include "cli/cli_command.h"

#ifndef PELMORA_VERSION
#define PELMORA_VERSION "0"
#endif

namespace {

using pelmora::cli::Command;

// Every command, in the order --help lists them: one line each.
constexpr std::array kCommands = {
    &pelmora::cli::addInfoCommand,  &pelmora::cli::addRenderCommand,
    &pelmora::cli::addResaveCommand, &pelmora::cli::addMakeDemoCommand,
    &pelmora::cli::addNamCommand,   &pelmora::cli::addPalCommand,
    &pelmora::cli::addApplyCommand, &pelmora::cli::addPatchCommand,
    &pelmora::cli::addChrCommand,   &pelmora::cli::addImportPngCommand,
    &pelmora::cli::addDiffCommand,
};

constexpr const char* kExitCodes =
    "Exit codes: 0 success, 1 an input file could not be loaded, 2 usage error,\n"
    "3 the title screen is out of range for this image, 4 the output could not be written,\n"
    "5 a malformed input file (wrong size, or a patch that does not apply),\n"
    "6 a picture that needs more free tiles than there are (nothing written).\n";

// The usage of the command the words were meant for (or of the program), after the problem.
int usageError(const CLI::App& program, const CLI::ParseError& error) {
  const CLI::App* shown = &program;
  for (const CLI::App* command : program.get_subcommands()) shown = command;
  std::cerr << "pelmora-cli: " << error.what() << "\n\n"
            << (shown == &program ? program.help() : shown->help("pelmora-cli"));
  return pelmora::cli::kExitUsage;
}

}  // namespace

int main(int argc, char** argv) {
  // Running into the file-size limit makes the write fail (exit code 4) instead of killing us.
  std::signal(SIGXFSZ, SIG_IGN);
  CLI::App program("The title-screen editor's Open, Save, views and files on the command line.",
                   "pelmora-cli");
  program.set_version_flag("--version", "pelmora-cli " PELMORA_VERSION);
  program.require_subcommand(1);
  program.footer(kExitCodes);
  std::vector<Command> commands;
  for (const auto add : kCommands) commands.push_back(add(program));
  try {
    program.parse(argc, argv);
  } catch (const CLI::ParseError& error) {
    if (error.get_exit_code() == static_cast<int>(CLI::ExitCodes::Success))
      return program.exit(error);
    return usageError(program, error);
  }
  for (const Command& command : commands) {
    if (command.parser->parsed()) return command.run({std::cout, std::cerr});
  }
  return pelmora::cli::kExitUsage;
}
