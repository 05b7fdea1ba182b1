// pelmora-cli: the editor's Open, Save and views on the command line, on the same core.

#include <array>
#include <csignal>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/cli_command.h"

namespace {

using pelmora::cli::Arguments;
using pelmora::cli::Streams;

constexpr std::string_view kUsage =
    "Usage:\n"
    "  pelmora-cli info ROM\n"
    "  pelmora-cli resave ROM -o OUT.nes\n"
    "  pelmora-cli make-demo OUT.nes\n"
    "  pelmora-cli render ROM --view VIEW [--palette-set N] -o OUT.png\n"
    "\n"
    "VIEW is one of tiles, screen0, attr0, screen1, attr1; N is 0-5 (default 0).\n"
    "Exit codes: 0 success, 1 the ROM could not be loaded, 2 usage error,\n"
    "3 the title screen is out of range for this image, 4 the output could not be written.\n";

struct Command {
  std::string_view name;
  std::size_t positionals;                 // exactly this many
  std::vector<std::string_view> required;  // options that must be given
  std::vector<std::string_view> optional;  // options that may be given
  int (*run)(const Arguments&, Streams);
};

const std::array<Command, 4>& commands() {
  static const std::array<Command, 4> table = {{
      {"info", 1, {}, {}, pelmora::cli::runInfo},
      {"resave", 1, {"-o"}, {}, pelmora::cli::runResave},
      {"make-demo", 1, {}, {}, pelmora::cli::runMakeDemo},
      {"render", 1, {"--view", "-o"}, {"--palette-set"}, pelmora::cli::runRender},
  }};
  return table;
}

bool contains(const std::vector<std::string_view>& names, std::string_view name) {
  for (std::string_view candidate : names) {
    if (candidate == name) return true;
  }
  return false;
}

// Splits the words after the command name into positional arguments and options with their
// values. Returns a description of the first problem, or nothing.
std::optional<std::string> parseArguments(const Command& command,
                                          const std::vector<std::string>& words,
                                          Arguments& arguments) {
  for (std::size_t i = 0; i < words.size(); ++i) {
    const std::string& word = words[i];
    if (word.size() > 1 && word[0] == '-') {
      if (!contains(command.required, word) && !contains(command.optional, word)) {
        return "unknown option " + word;
      }
      if (i + 1 >= words.size()) return "option " + word + " needs a value";
      if (!arguments.options.emplace(word, words[++i]).second)
        return "option " + word + " given twice";
    } else {
      arguments.positional.push_back(word);
    }
  }
  if (arguments.positional.size() != command.positionals) {
    return arguments.positional.size() < command.positionals ? "missing argument"
                                                             : "too many arguments";
  }
  for (std::string_view name : command.required) {
    if (arguments.option(std::string(name)) == nullptr)
      return "missing option " + std::string(name);
  }
  return std::nullopt;
}

int usageError(std::string_view problem) {
  std::cerr << "pelmora-cli: " << problem << "\n\n" << kUsage;
  return pelmora::cli::kExitUsage;
}

}  // namespace

int main(int argc, char** argv) {
  // Running into the file-size limit makes the write fail (exit code 4) instead of killing us.
  std::signal(SIGXFSZ, SIG_IGN);
  std::vector<std::string> words;
  for (int i = 1; i < argc; ++i) words.emplace_back(argv[i]);
  if (words.empty()) return usageError("no command given");
  if (words[0] == "--help" || words[0] == "-h" || words[0] == "help") {
    std::cout << kUsage;
    return pelmora::cli::kExitOk;
  }
  for (const Command& command : commands()) {
    if (words[0] != command.name) continue;
    Arguments arguments;
    if (const auto problem = parseArguments(command, {words.begin() + 1, words.end()}, arguments)) {
      return usageError(*problem);
    }
    return command.run(arguments, Streams{std::cout, std::cerr});
  }
  return usageError("unknown command " + words[0]);
}
