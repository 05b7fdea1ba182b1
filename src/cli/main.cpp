// pelmora-cli: the editor's Open, Save, views and files on the command line, on the same core.

#include <CLI/CLI.hpp>
#include <algorithm>
#include <array>
#include <csignal>
#include <iostream>
#include <string_view>
#include <vector>

#include "cli/cli_command.h"

#ifndef PELMORA_VERSION
#define PELMORA_VERSION "0"
#endif

namespace {

using pelmora::cli::Command;

struct CommandEntry {
  std::string_view name;  // as the command's own file names it
  Command (*add)(CLI::App&);
};

// Every command, in the order --help lists them: one line each.
constexpr std::array kCommands = {
    CommandEntry{"info", &pelmora::cli::addInfoCommand},
    CommandEntry{"render", &pelmora::cli::addRenderCommand},
    CommandEntry{"resave", &pelmora::cli::addResaveCommand},
    CommandEntry{"make-demo", &pelmora::cli::addMakeDemoCommand},
    CommandEntry{"nam", &pelmora::cli::addNamCommand},
    CommandEntry{"pal", &pelmora::cli::addPalCommand},
    CommandEntry{"apply", &pelmora::cli::addApplyCommand},
    CommandEntry{"patch", &pelmora::cli::addPatchCommand},
    CommandEntry{"chr", &pelmora::cli::addChrCommand},
    CommandEntry{"import-png", &pelmora::cli::addImportPngCommand},
    CommandEntry{"diff", &pelmora::cli::addDiffCommand},
};

// The commands a run sets up: only the one it names first, as setting up all of them is a
// tenth of a short command's time; every one when the first word names none (help, the
// version, a mistyped name), so that help and usage messages list them all.
std::vector<Command> addCommands(CLI::App& program, int argc, char** argv) {
  const std::string_view first = argc > 1 ? argv[1] : "";
  const bool named = std::any_of(kCommands.begin(), kCommands.end(),
                                 [&](const CommandEntry& entry) { return entry.name == first; });
  std::vector<Command> commands;
  for (const CommandEntry& entry : kCommands) {
    if (!named || entry.name == first) commands.push_back(entry.add(program));
  }
  return commands;
}

constexpr const char* kExitCodes =
    "Exit codes: 0 success, 1 an input file could not be loaded, 2 usage error,\n"
    "3 the title screen is out of range for this image, 4 the output could not be written,\n"
    "5 a malformed input file (wrong size, or a patch that does not apply),\n"
    "6 a picture that needs more free tiles than there are (nothing written),\n"
    "7 an image that does not look like one of the game, given to resave, apply or\n"
    "import-png without --force (nothing written).\n";

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
  const std::vector<Command> commands = addCommands(program, argc, argv);
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
