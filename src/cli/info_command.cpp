// pelmora-cli info ROM: what the import read from an image, as one JSON object.

#include <ostream>
#include <sstream>
#include <string>

#include "cli/cli_command.h"
#include "rom/title_import.h"
#include "rom/title_layout.h"

namespace pelmora::cli {
namespace {

template <class Bytes>
std::string jsonArray(const Bytes& bytes) {
  std::ostringstream text;
  text << '[';
  const char* separator = "";
  for (const auto byte : bytes) {
    text << separator << static_cast<int>(byte);
    separator = ", ";
  }
  text << ']';
  return text.str();
}

// The body offset behind slot 1 and slots 8-35, by slot number.
std::optional<std::string> titlePointers(const RomImage& rom, std::ostream& err) {
  std::ostringstream text;
  text << '{';
  const char* separator = "";
  for (int slot = title::kPaletteSlot; slot <= title::kFirstListSlot; ++slot) {
    if (slot > title::kPaletteSlot && slot < title::kFirstScreenSlot) continue;
    const Expected<std::int32_t> offset = titleListOffset(rom.body, slot);
    if (!offset) {
      err << "The title screen could not be read from this image: " << offset.error().what << '\n';
      return std::nullopt;
    }
    text << separator << '"' << slot << "\": " << *offset;
    separator = ", ";
  }
  text << '}';
  return text.str();
}

}  // namespace

int runInfo(const Arguments& arguments, Streams streams) {
  Document document;
  if (const auto failed = openOrReport(document, arguments.positional[0], streams.err))
    return *failed;
  const std::optional<std::string> pointers = titlePointers(document.rom, streams.err);
  if (!pointers) return kExitTitleScreen;

  const EditorState& state = document.state;
  streams.out << "{\n"
              << "  \"prgBanks\": " << static_cast<int>(document.rom.prgBanks()) << ",\n"
              << "  \"chrOffset\": " << document.rom.chrOffset() << ",\n"
              << "  \"romPalette\": " << jsonArray(state.romPalette) << ",\n"
              << "  \"bkgPalettes\": " << jsonArray(state.bkgPalettes) << ",\n"
              << "  \"coinPalette\": " << jsonArray(state.coinPalette) << ",\n"
              << "  \"coinEnabled\": " << (state.coinEnabled ? "true" : "false") << ",\n"
              << "  \"stream35Row\": " << jsonArray(state.stream35Row) << ",\n"
              << "  \"titlePointers\": " << *pointers << "\n"
              << "}\n";
  streams.out.flush();
  if (!streams.out) {
    streams.err << "Error writing the report!\n";
    return kExitWriteFailed;
  }
  return kExitOk;
}

}  // namespace pelmora::cli
