// pelmora-cli apply ROM [--nam0 F] [--nam1 F] [--pal F] [--chr F] [--patch F] -o OUT.nes: load,
// import the files and apply the patch in that order, export, and save to OUT (ROM itself only
// when OUT is ROM). Cells Save does not carry are dropped, with a count on standard error.

#include <CLI/CLI.hpp>
#include <memory>
#include <ostream>
#include <string>

#include "cli/cli_command.h"
#include "edit/patched_document.h"
#include "formats/chr_file.h"
#include "formats/nam_file.h"
#include "formats/pal_file.h"
#include "patch/patch_across_headers.h"

namespace pelmora::cli {
namespace {

struct ApplyOptions {
  std::string rom;
  std::string nameTables[2];
  std::string palette;
  std::string tiles;
  std::string patch;
  std::string out;
};

void reportDropped(const NameTableImport& imported, const std::string& file, std::ostream& err) {
  if (imported.droppedCells == 0 && imported.droppedAttributeBytes == 0) return;
  std::string message = std::to_string(imported.droppedCells) +
                        " cells are not stored in the ROM and were dropped";
  if (imported.droppedAttributeBytes != 0)
    message += ", and " + std::to_string(imported.droppedAttributeBytes) + " attribute bytes";
  reportFile(err, file, message, kExitOk);
}

int importNameTableFile(Document& document, int screen, const std::string& file, std::ostream& err) {
  int exitCode = kExitOk;
  const auto content = readInputOrReport(file, err, exitCode);
  if (!content) return exitCode;
  Expected<NameTableImport> imported = importNameTable(document.state, screen, *content);
  if (!imported) return reportFile(err, file, imported.error().what, kExitMalformedInput);
  reportDropped(*imported, file, err);
  document.state = std::move(imported.value().state);
  return kExitOk;
}

int importPaletteFileInto(Document& document, const std::string& file, std::ostream& err) {
  int exitCode = kExitOk;
  const auto content = readInputOrReport(file, err, exitCode);
  if (!content) return exitCode;
  Expected<EditorState> imported = importPaletteFile(document.state, *content);
  if (!imported) return reportFile(err, file, imported.error().what, kExitMalformedInput);
  document.state = std::move(imported.value());
  return kExitOk;
}

// A .chr file replaces the title's 256 tiles; any size but 4,096 bytes is refused.
int importChrFileInto(Document& document, const std::string& file, std::ostream& err) {
  int exitCode = kExitOk;
  const auto content = readInputOrReport(file, err, exitCode);
  if (!content) return exitCode;
  Expected<TileSheet> tiles = decodeChrFile(*content);
  if (!tiles) return reportFile(err, file, tiles.error().what, kExitMalformedInput);
  document.state.tileSheet = std::move(tiles.value());
  return kExitOk;
}

int applyPatchFile(Document& document, const ApplyOptions& options, std::ostream& err) {
  int exitCode = kExitOk;
  const auto content = readInputOrReport(options.patch, err, exitCode);
  if (!content) return exitCode;
  const Expected<RomImage> current = exportedImage(document);
  if (!current) {
    return reportFile(err, options.rom,
                      "The title screen could not be written to this image: " + current.error().what,
                      kExitTitleScreen);
  }
  Expected<PatchedImage> patched = patchedDocument(document, *content);
  if (!patched) return reportFile(err, options.patch, patched.error().what, kExitMalformedInput);
  if (patched.value().headerKept) reportFile(err, options.patch, kHeaderKeptMessage, kExitOk);
  document.rom = std::move(patched.value().rom);
  document.state = std::move(patched.value().state);
  return kExitOk;
}

// The imports and the patch, in the documented order; the first failure ends it.
int applyAll(Document& document, const ApplyOptions& options, std::ostream& err) {
  for (int screen = 0; screen < 2; ++screen) {
    const std::string& file = options.nameTables[screen];
    if (file.empty()) continue;
    if (const int code = importNameTableFile(document, screen, file, err)) return code;
  }
  if (!options.palette.empty()) {
    if (const int code = importPaletteFileInto(document, options.palette, err)) return code;
  }
  if (!options.tiles.empty()) {
    if (const int code = importChrFileInto(document, options.tiles, err)) return code;
  }
  if (!options.patch.empty()) return applyPatchFile(document, options, err);
  return kExitOk;
}

int runApply(const ApplyOptions& options, Streams streams) {
  Document document;
  if (const auto failed = openOrReport(document, options.rom, streams.err)) return *failed;
  if (const int code = applyAll(document, options, streams.err)) return code;
  return reportSave(saveDocumentCopy(document, options.out), options.out, streams.err);
}

}  // namespace

Command addApplyCommand(CLI::App& program) {
  auto options = std::make_shared<ApplyOptions>();
  CLI::App* command = program.add_subcommand(
      "apply", "Put name tables, a palette, tiles and a patch into an image and save it");
  command->add_option("ROM", options->rom, "The ROM image")->required();
  command->add_option("--nam0", options->nameTables[0], "A .nam file for name table 0");
  command->add_option("--nam1", options->nameTables[1], "A .nam file for name table 2");
  command->add_option("--pal", options->palette, "A .pal file of 16 or 32 bytes");
  command->add_option("--chr", options->tiles, "A .chr file of the title's tiles (4,096 bytes)");
  command->add_option("--patch", options->patch, "An IPS or BPS patch");
  command->add_option("-o", options->out, "The file to write")->required();
  return {command, [options](Streams streams) { return runApply(*options, streams); }};
}

}  // namespace pelmora::cli
