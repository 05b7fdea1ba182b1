// pelmora-cli info ROM: what the import read from an image, as one JSON object.

#include <CLI/CLI.hpp>
#include <memory>
#include <nlohmann/json.hpp>
#include <ostream>
#include <string>

#include "cli/cli_command.h"
#include "rom/image_identity.h"
#include "rom/title_import.h"
#include "rom/title_layout.h"

namespace pelmora::cli {
namespace {

using Json = nlohmann::ordered_json;

// The body offset behind slot 1 and slots 8-35, by slot number.
Expected<Json> titlePointers(const RomImage& rom) {
  Json pointers = Json::object();
  for (int slot = title::kPaletteSlot; slot <= title::kFirstListSlot; ++slot) {
    if (slot > title::kPaletteSlot && slot < title::kFirstScreenSlot) continue;
    const Expected<std::int32_t> offset = titleListOffset(rom.body, slot);
    if (!offset) return offset.error();
    pointers[std::to_string(slot)] = *offset;
  }
  return pointers;
}

Json checksumsJson(const Checksums& sums) {
  return Json{{"crc32", sums.crc32}, {"md5", sums.md5}, {"sha1", sums.sha1}};
}

// Which dump the file is: its header and the checksums listings give for it.
Json imageJson(const RomImage& rom) {
  const ImageIdentity identity = identifyImage(rom);
  return Json{
      {"header", headerKindName(identity.header)},
      {"mapper", identity.mapper},
      {"prgBytes", identity.prgBytes},
      {"chrBytes", identity.chrBytes},
      {"trainer", identity.trainer},
      {"file", checksumsJson(identity.file)},
      {"headerless", checksumsJson(identity.headerless)},
      {"gameCheck", identity.gameCheck},
  };
}

Json report(const Document& document, Json pointers) {
  const EditorState& state = document.state;
  return Json{
      {"prgBanks", document.rom.prgBanks()},
      {"chrOffset", document.rom.chrOffset()},
      {"romPalette", state.romPalette},
      {"bkgPalettes", state.bkgPalettes},
      {"coinPalette", state.coinPalette},
      {"coinEnabled", state.coinEnabled},
      {"stream35Row", state.stream35Row},
      {"titlePointers", std::move(pointers)},
      {"image", imageJson(document.rom)},
  };
}

int runInfo(const std::filesystem::path& rom, Streams streams) {
  Document document;
  if (const auto failed = openOrReport(document, rom, streams.err)) return *failed;
  const Expected<Json> pointers = titlePointers(document.rom);
  if (!pointers) {
    return reportFile(streams.err, rom,
                      "The title screen could not be read from this image: " +
                          pointers.error().what,
                      kExitTitleScreen);
  }
  streams.out << report(document, *pointers).dump(2) << '\n';
  streams.out.flush();
  if (!streams.out)
    return reportFile(streams.err, "standard output", "Error writing the report!", kExitWriteFailed);
  return kExitOk;
}

}  // namespace

Command addInfoCommand(CLI::App& program) {
  auto rom = std::make_shared<std::string>();
  CLI::App* command = program.add_subcommand("info", "Print what the title screen holds, as JSON");
  command->add_option("ROM", *rom, "The ROM image")->required();
  return {command, [rom](Streams streams) { return runInfo(*rom, streams); }};
}

}  // namespace pelmora::cli
