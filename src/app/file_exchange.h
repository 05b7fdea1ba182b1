#pragma once

#include <QString>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "gfx/master_palette.h"
#include "rom/codec_result.h"
#include "state/editor_state.h"

namespace pelmora::app {

// What an exchange reads from or writes into: the document's state as shown, and for the
// exchanges made once per screen, which one (screen 0 is name table 0, screen 1 name table 2).
struct ExchangeInput {
  const EditorState& state;
  const ColourTables& colours;
  int screen = 0;
  int nameTable = 0;
};

// A file brought into the document: the state it makes, and a note for the status bar.
struct ExchangeImport {
  EditorState state;
  std::string note;
};

// One file format the document is exported to or imported from. Texts are marked for
// translation (context "Exchanges"); in texts of an exchange made per screen %2 is the name
// table's number, and in messages %1 is the file's name.
struct FileExchange {
  enum Direction { kExport, kImport };
  Direction direction = kExport;
  const char* id = "";          // objectName of its action; per screen "%2" is the table
  const char* menuText = "";
  const char* dialogTitle = "";
  const char* filter = "";       // "Name table (*.nam)"
  const char* suffix = "";       // the ending of the suggested file's name; %1 is the screen
  const char* doneMessage = "";  // "Palette written to %1."
  const char* placeholder = "";  // where in the menus its actions go ("@exports", ...)
  bool perScreen = false;
  bool keepMessage = false;      // the message stays until the next one
  const char* commandName = "";  // the import's name in the history
  std::function<Expected<std::vector<std::uint8_t>>(const ExchangeInput&)> write;
  std::function<Expected<ExchangeImport>(const std::filesystem::path&, const ExchangeInput&)> read;
};

// Every file format of File > Import and File > Export, in menu order.
std::span<const FileExchange> fileExchanges();

}  // namespace pelmora::app
