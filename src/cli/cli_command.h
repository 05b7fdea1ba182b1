#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <iosfwd>
#include <optional>
#include <string_view>
#include <vector>

#include "edit/document.h"

namespace CLI {
class App;
}

namespace pelmora::cli {

// What the command line returns to its caller.
enum ExitCode : int {
  kExitOk = 0,
  kExitLoadFailed = 1,      // the ROM (or another input file) could not be loaded
  kExitUsage = 2,           // the arguments do not fit the command
  kExitTitleScreen = 3,     // the title screen is out of range for this image
  kExitWriteFailed = 4,     // the output file could not be written
  kExitMalformedInput = 5,  // an input file of the wrong size, or a patch that does not apply
  kExitDoesNotFit = 6,      // a picture needs more free tiles than the title's tile bank has
};

// Where a command writes: its result on `out`, its messages on `err`.
struct Streams {
  std::ostream& out;
  std::ostream& err;
};

// A subcommand as added to the program's parser, and what runs when it is the one given.
// Each command lives in its own file and is listed once in main.cpp's table.
struct Command {
  CLI::App* parser = nullptr;
  std::function<int(Streams)> run;
};

Command addInfoCommand(CLI::App& program);
Command addResaveCommand(CLI::App& program);
Command addMakeDemoCommand(CLI::App& program);
Command addRenderCommand(CLI::App& program);
Command addNamCommand(CLI::App& program);
Command addPalCommand(CLI::App& program);
Command addApplyCommand(CLI::App& program);
Command addPatchCommand(CLI::App& program);
Command addChrCommand(CLI::App& program);
Command addImportPngCommand(CLI::App& program);
Command addDiffCommand(CLI::App& program);

// Every message about a file has one form: "pelmora-cli: FILE: MESSAGE". Returns `code`.
int reportFile(std::ostream& err, const std::filesystem::path& file, std::string_view message,
               int code);

// Opens `path` into `document` as the editor's Open does. On failure reports it and returns the
// exit code; on success returns nothing (after a warning when the image looks like another game).
std::optional<int> openOrReport(Document& document, const std::filesystem::path& path,
                                std::ostream& err);

// The whole content of an input file, or the report and exit code 1 when it cannot be read.
std::optional<std::vector<std::uint8_t>> readInputOrReport(const std::filesystem::path& path,
                                                           std::ostream& err, int& exitCode);

// The exit code for a save's result, reported when it is not success.
int reportSave(const SaveResult& saved, const std::filesystem::path& path, std::ostream& err);

// The exit code for writing an output file, reported when it is not success.
int reportWrite(const Status& written, const std::filesystem::path& path, std::ostream& err);

// The palette-set option of render and pal: how often the palette-cycle button is pressed.
void addPaletteSetOption(CLI::App& command, int& presses);

}  // namespace pelmora::cli
