#pragma once

#include <filesystem>
#include <iosfwd>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "edit/document.h"

namespace pelmora::cli {

// What the command line returns to its caller.
enum ExitCode : int {
  kExitOk = 0,
  kExitLoadFailed = 1,   // the ROM could not be loaded
  kExitUsage = 2,        // the arguments do not fit the command
  kExitTitleScreen = 3,  // the title screen is out of range for this image
  kExitWriteFailed = 4,  // the output file could not be written
};

// A subcommand's arguments after the command name: its positional arguments in order and each
// option's value by option name ("-o", "--view").
struct Arguments {
  std::vector<std::string> positional;
  std::map<std::string, std::string> options;

  const std::string* option(const std::string& name) const {
    const auto found = options.find(name);
    return found == options.end() ? nullptr : &found->second;
  }
};

// Where a subcommand writes: its result on `out`, its messages on `err`.
struct Streams {
  std::ostream& out;
  std::ostream& err;
};

int runInfo(const Arguments& arguments, Streams streams);
int runResave(const Arguments& arguments, Streams streams);
int runMakeDemo(const Arguments& arguments, Streams streams);
int runRender(const Arguments& arguments, Streams streams);

// Opens `path` into `document` as the editor's Open does. On failure reports it on `err` and
// returns the exit code; on success returns nothing.
std::optional<int> openOrReport(Document& document, const std::filesystem::path& path,
                                std::ostream& err);

// The editor's own message for a file that could not be written.
inline constexpr const char* kSaveFailedMessage = "Error saving file!";

}  // namespace pelmora::cli
