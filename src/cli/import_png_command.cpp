// pelmora-cli import-png ROM PICTURE.png [--palettes keep|fit] [--reduce] -o OUT.nes: the picture
// as the title screen, saved to OUT, with a JSON report of the tiles on standard output. A
// picture that needs more free tiles than there are writes nothing (unless --reduce merges
// tiles until it fits).

#include <CLI/CLI.hpp>
#include <map>
#include <memory>
#include <nlohmann/json.hpp>
#include <ostream>

#include "cli/cli_command.h"
#include "formats/png_file.h"
#include "picture/title_picture_import.h"
#include "rom/rom_file.h"

namespace pelmora::cli {
namespace {

using Json = nlohmann::ordered_json;

struct ImportPngOptions {
  std::string rom;
  std::string picture;
  PicturePalettes palettes = PicturePalettes::kFit;
  bool reduce = false;
  std::string out;
  bool force = false;
};

Json reportJson(const PictureImport& imported) {
  const PictureImportReport& report = imported.report;
  Json json = {{"tilesUsed", report.tilesUsed},
               {"tilesNew", report.tilesNew},
               {"tilesReused", report.tilesReused},
               {"tilesMerged", report.tilesMerged},
               {"pixelsChanged", report.pixelsChanged}};
  if (!imported.fits) json["tilesMissing"] = report.tilesMissing;
  return json;
}

// The picture as the import reads it; a file that is no PNG is a malformed input. The file is
// decoded where it lies (read in place), without a copy of its own.
std::optional<RgbImage> readPictureOrReport(const std::string& path, std::ostream& err,
                                            int& exitCode) {
  const Expected<FileView> content = viewFileContent(path);
  if (!content) {
    exitCode =
        reportFile(err, path, "Error loading file! " + content.error().what, kExitLoadFailed);
    return std::nullopt;
  }
  Expected<RgbImage> picture = decodePng(content.value().bytes());
  if (picture) return std::move(picture.value());
  exitCode = reportFile(err, path, picture.error().what, kExitMalformedInput);
  return std::nullopt;
}

int runImportPng(const ImportPngOptions& options, Streams streams) {
  Document document;
  if (const auto failed = openOrReport(document, options.rom, streams.err,
                                      unexpectedGameHandling(options.force), OpenedCopy::kSkip))
    return *failed;
  int exitCode = kExitOk;
  const std::optional<RgbImage> picture =
      readPictureOrReport(options.picture, streams.err, exitCode);
  if (!picture) return exitCode;
  Expected<PictureImport> imported =
      importTitlePicture(document.state, *picture, {options.palettes, options.reduce});
  if (!imported)
    return reportFile(streams.err, options.picture, imported.error().what, kExitMalformedInput);
  if (!imported.value().fits) {
    streams.out << reportJson(imported.value()).dump(2) << '\n';
    return reportFile(streams.err, options.picture, imported.value().message, kExitDoesNotFit);
  }
  document.state = std::move(imported.value().state);
  if (const int code = reportSave(saveDocumentAs(document, options.out), options.out, streams.err))
    return code;
  streams.out << reportJson(imported.value()).dump(2) << '\n';
  return kExitOk;
}

}  // namespace

Command addImportPngCommand(CLI::App& program) {
  auto options = std::make_shared<ImportPngOptions>();
  CLI::App* command = program.add_subcommand(
      "import-png", "Make a 256 x 192 or 256 x 240 PNG picture the title screen and save it");
  command->add_option("ROM", options->rom, "The ROM image")->required();
  command->add_option("PICTURE", options->picture, "The picture (PNG)")->required();
  const std::map<std::string, PicturePalettes> palettes = {{"keep", PicturePalettes::kKeep},
                                                           {"fit", PicturePalettes::kFit}};
  command
      ->add_option(
          "--palettes", options->palettes,
          "fit: four palettes chosen for the picture (default); keep: the ROM's four palettes")
      ->transform(CLI::CheckedTransformer(palettes, CLI::ignore_case));
  command->add_flag(
      "--reduce", options->reduce,
      "Merge the nearest tiles when the picture needs more free tiles than there are");
  command->add_option("-o", options->out, "The file to write")->required();
  addForceOption(*command, options->force);
  return {command, [options](Streams streams) { return runImportPng(*options, streams); }};
}

}  // namespace pelmora::cli
