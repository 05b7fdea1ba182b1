// How the commands open, read and write files and report what went wrong, all in one form.

#include <CLI/CLI.hpp>
#include <ostream>
#include <string>

#include "cli/cli_command.h"
#include "palette/palette_edit.h"
#include "rom/game_check.h"
#include "rom/rom_file.h"

namespace pelmora::cli {

int reportFile(std::ostream& err, const std::filesystem::path& file, std::string_view message,
               int code) {
  err << "pelmora-cli: " << file.string() << ": " << message << '\n';
  return code;
}

std::optional<int> openOrReport(Document& document, const std::filesystem::path& path,
                                std::ostream& err, UnexpectedGame unexpected,
                                OpenedCopy openedCopy) {
  const OpenResult opened = openDocument(document, path, openedCopy);
  switch (opened.status) {
    case OpenStatus::kOpened:
      if (!opened.unexpectedGame) return std::nullopt;
      if (unexpected == UnexpectedGame::kRefuse) {
        return reportFile(err, path,
                          std::string(kUnexpectedGameStatement) +
                              " Nothing was written; --force writes anyway.",
                          kExitUnexpectedGame);
      }
      reportFile(err, path, kUnexpectedGameStatement, kExitOk);
      return std::nullopt;
    case OpenStatus::kLoadFailed:
      return reportFile(err, path, "Error loading file! " + opened.reason, kExitLoadFailed);
    case OpenStatus::kImportFailed:
      return reportFile(err, path,
                        "The title screen could not be read from this image: " + opened.reason,
                        kExitTitleScreen);
  }
  return kExitLoadFailed;
}

std::optional<std::vector<std::uint8_t>> readInputOrReport(const std::filesystem::path& path,
                                                           std::ostream& err, int& exitCode) {
  Expected<std::vector<std::uint8_t>> content = readFileContent(path);
  if (content) return std::move(content.value());
  exitCode = reportFile(err, path, "Error loading file! " + content.error().what, kExitLoadFailed);
  return std::nullopt;
}

int reportSave(const SaveResult& saved, const std::filesystem::path& path, std::ostream& err) {
  switch (saved.status) {
    case SaveStatus::kSaved:
      return kExitOk;
    case SaveStatus::kExportFailed:
      return reportFile(err, path,
                        "The title screen could not be written to this image: " + saved.reason,
                        kExitTitleScreen);
    case SaveStatus::kNoFile:
    case SaveStatus::kWriteFailed:
      break;
  }
  return reportFile(err, path, "Error saving file! " + saved.reason, kExitWriteFailed);
}

int reportWrite(const Status& written, const std::filesystem::path& path, std::ostream& err) {
  if (written) return kExitOk;
  return reportFile(err, path, "Error saving file! " + written.error().what, kExitWriteFailed);
}

void addForceOption(CLI::App& command, bool& force) {
  command.add_flag("--force", force,
                   "Write even into an image that does not look like one of the game (with a "
                   "warning)");
}

void addPaletteSetOption(CLI::App& command, int& presses) {
  command
      .add_option("--palette-set", presses,
                  "Presses of the palette-cycle button after Open, 0-5 (default 0)")
      ->check(CLI::Range(0, kPaletteSetCount - 1));
}

}  // namespace pelmora::cli
