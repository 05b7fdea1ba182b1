// The file formats of File > Import and File > Export. A new format is one row: how its file is
// written from the document, or read into the state an import makes.
#include <QCoreApplication>

#include "app/file_exchange.h"
#include "edit/edit_command.h"
#include "formats/chr_file.h"
#include "formats/nam_assembly.h"
#include "formats/nam_file.h"
#include "formats/pal_file.h"
#include "formats/png_file.h"
#include "picture/tile_sheet_picture.h"
#include "rom/rom_file.h"

namespace pelmora::app {
namespace {

using Bytes = std::vector<std::uint8_t>;
constexpr FileExchange::Direction kExport = FileExchange::kExport;
constexpr FileExchange::Direction kImport = FileExchange::kImport;

std::string droppedCellsNote(const NameTableImport& imported) {
  if (imported.droppedCells == 0 && imported.droppedAttributeBytes == 0) return {};
  std::string text =
      " " + std::to_string(imported.droppedCells) + " cells Save does not carry were dropped";
  if (imported.droppedAttributeBytes != 0)
    text += ", and " + std::to_string(imported.droppedAttributeBytes) + " attribute bytes";
  return text + '.';
}

Expected<ExchangeImport> readNameTable(const std::filesystem::path& path, const ExchangeInput& in) {
  const Expected<Bytes> content = readFileContent(path);
  if (!content) return content.error();
  Expected<NameTableImport> imported = importNameTable(in.state, in.screen, *content);
  if (!imported) return imported.error();
  return ExchangeImport{std::move(imported.value().state), droppedCellsNote(imported.value())};
}

Expected<ExchangeImport> readPalette(const std::filesystem::path& path, const ExchangeInput& in) {
  const Expected<Bytes> content = readFileContent(path);
  if (!content) return content.error();
  Expected<EditorState> imported = importPaletteFile(in.state, *content);
  if (!imported) return imported.error();
  return ExchangeImport{std::move(imported.value()), {}};
}

Expected<ExchangeImport> withTileSheet(const EditorState& state, const Expected<TileSheet>& sheet) {
  if (!sheet) return sheet.error();
  ExchangeImport imported{state, {}};
  imported.state.tileSheet = sheet.value();
  return imported;
}

// Each pixel becomes the value of the nearest of the four colours the tile sheet is shown in.
Expected<ExchangeImport> readTilesPng(const std::filesystem::path& path, const ExchangeInput& in) {
  const Expected<RgbImage> picture = readPng(path);
  if (!picture) return picture.error();
  return withTileSheet(in.state, tileSheetFromPicture(picture.value(),
                                                      shownPaletteColours(in.state, in.colours)));
}

// The tile sheet as a 128 x 128 picture indexed in the four colours of the palette shown.
Expected<Bytes> tileSheetPng(const ExchangeInput& in) {
  const std::array<std::uint32_t, 4> shown = shownPaletteColours(in.state, in.colours);
  return encodeIndexedPng({kTileSheetPictureSize,
                           kTileSheetPictureSize,
                           {shown.begin(), shown.end()},
                           tileSheetIndices(in.state.tileSheet)});
}

std::vector<FileExchange> buildTable() {
  return {
      {kExport, "actionExportNameTable%2", QT_TRANSLATE_NOOP("Exchanges", "Name Table %2 as .nam…"),
       QT_TRANSLATE_NOOP("Exchanges", "Export Name Table %2"),
       QT_TRANSLATE_NOOP("Exchanges", "Name table (*.nam)"), "-screen%1.nam",
       QT_TRANSLATE_NOOP("Exchanges", "Name table %2 written to %1."), "@exports", true, false, "",
       [](const ExchangeInput& in) -> Expected<Bytes> {
         return exportNameTable(in.state, in.screen);
       },
       {}},
      {kImport, "actionImportNameTable%2",
       QT_TRANSLATE_NOOP("Exchanges", "Name Table %2 from .nam…"),
       QT_TRANSLATE_NOOP("Exchanges", "Import Name Table %2"),
       QT_TRANSLATE_NOOP("Exchanges", "Name table (*.nam)"), "",
       QT_TRANSLATE_NOOP("Exchanges", "Name table %2 imported from %1."), "@imports", true, true,
       "Import Name Table", {}, readNameTable},
      {kExport, "actionExportPalette", QT_TRANSLATE_NOOP("Exchanges", "&Palette as .pal…"),
       QT_TRANSLATE_NOOP("Exchanges", "Export Palette"),
       QT_TRANSLATE_NOOP("Exchanges", "Palette (*.pal)"), ".pal",
       QT_TRANSLATE_NOOP("Exchanges", "Palette written to %1."), "@exports", false, false, "",
       [](const ExchangeInput& in) -> Expected<Bytes> { return exportPaletteFile(in.state); },
       {}},
      {kImport, "actionImportPalette", QT_TRANSLATE_NOOP("Exchanges", "&Palette from .pal…"),
       QT_TRANSLATE_NOOP("Exchanges", "Import Palette"),
       QT_TRANSLATE_NOOP("Exchanges", "Palette (*.pal)"), "",
       QT_TRANSLATE_NOOP("Exchanges", "Palette imported from %1."), "@imports", false, false,
       "Import Palette", {}, readPalette},
      {kExport, "actionExportNameTableAsm%2",
       QT_TRANSLATE_NOOP("Exchanges", "Name Table %2 as &Assembly…"),
       QT_TRANSLATE_NOOP("Exchanges", "Export Name Table %2 as Assembly"),
       QT_TRANSLATE_NOOP("Exchanges", "ca65 source (*.s *.asm)"), "-screen%1.s",
       QT_TRANSLATE_NOOP("Exchanges", "Name table %2 written to %1."), "@exports", true, false, "",
       [](const ExchangeInput& in) -> Expected<Bytes> {
         const std::string text = nameTableAssembly(in.state, in.screen);
         return Bytes(text.begin(), text.end());
       },
       {}},
      {kExport, "actionExportTilesChr", QT_TRANSLATE_NOOP("Exchanges", "Tiles as .&chr…"),
       QT_TRANSLATE_NOOP("Exchanges", "Export Tiles"),
       QT_TRANSLATE_NOOP("Exchanges", "CHR tiles (*.chr)"), ".chr",
       QT_TRANSLATE_NOOP("Exchanges", "Tiles written to %1."), "@tileExports", false, false, "",
       [](const ExchangeInput& in) { return encodeChrFile(in.state.tileSheet); }, {}},
      {kExport, "actionExportTilesPng", QT_TRANSLATE_NOOP("Exchanges", "Tiles as P&NG…"),
       QT_TRANSLATE_NOOP("Exchanges", "Export Tiles as PNG"),
       QT_TRANSLATE_NOOP("Exchanges", "PNG picture (*.png)"), "-tiles.png",
       QT_TRANSLATE_NOOP("Exchanges", "Tiles written to %1."), "@tileExports", false, false, "",
       tileSheetPng, {}},
      {kImport, "actionImportTilesChr", QT_TRANSLATE_NOOP("Exchanges", "Tiles from .&chr…"),
       QT_TRANSLATE_NOOP("Exchanges", "Import Tiles"),
       QT_TRANSLATE_NOOP("Exchanges", "CHR tiles (*.chr)"), "",
       QT_TRANSLATE_NOOP("Exchanges", "Tiles imported from %1."), "@tileImports", false, false,
       command_name::kImportTiles, {},
       [](const std::filesystem::path& path, const ExchangeInput& in) {
         return withTileSheet(in.state, readChrFile(path));
       }},
      {kImport, "actionImportTilesPng", QT_TRANSLATE_NOOP("Exchanges", "Tiles from P&NG…"),
       QT_TRANSLATE_NOOP("Exchanges", "Import Tiles from PNG"),
       QT_TRANSLATE_NOOP("Exchanges", "PNG picture (*.png)"), "",
       QT_TRANSLATE_NOOP("Exchanges", "Tiles imported from %1."), "@tileImports", false, false,
       command_name::kImportTiles, {}, readTilesPng},
  };
}

}  // namespace

std::span<const FileExchange> fileExchanges() {
  static const std::vector<FileExchange> table = buildTable();
  return table;
}

}  // namespace pelmora::app
