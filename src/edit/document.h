#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "edit/edit_history.h"
#include "rom/codec_result.h"
#include "rom/rom_image.h"
#include "state/editor_state.h"

namespace pelmora {

// One open title screen: the ROM image it came from, the editor state, and the file both
// belong to. Everything the user can lose lives here, so a failed command either replaces the
// whole document or leaves it untouched.
struct Document {
  RomImage rom;
  EditorState state;
  std::filesystem::path path;  // empty until a file has been opened
  bool loaded = false;
  // The image exactly as the last successful Open read it (empty when that Open was told to
  // skip it, see OpenedCopy).
  RomImage openedRom;
  EditHistory history;  // empty after every Open

  // Whether the document differs from what was last opened or saved.
  bool isModified() const { return !history.isClean(); }
  void markSaved() { history.markClean(); }
};

enum class OpenStatus {
  kOpened,        // loaded and imported
  kLoadFailed,    // loadRomFile returned `loadCode` (1 or 2)
  kImportFailed,  // the file is an iNES image, but its title screen is out of range
};

struct OpenResult {
  OpenStatus status = OpenStatus::kLoadFailed;
  std::int16_t loadCode = 1;
  std::string reason;  // why the file did not load, or for kImportFailed what was out of range
  // Opened, but the coin-call sites hold what this game never has there (see looksLikeTheGame).
  bool unexpectedGame = false;
};

// Whether an Open keeps a second copy of the image as read, in `openedRom`: making a patch from
// the opened file or applying one to it needs that copy; a caller that does neither (a command
// that reads, renders or re-saves the image) skips it and holds the image in memory only once.
enum class OpenedCopy { kKeep, kSkip };

// Loads `path` into a fresh image and imports it into a fresh state that keeps `document`'s
// palette target. `document` is replaced only when both succeed; otherwise it is untouched.
// On success the selection bytes are 0.
OpenResult openDocument(Document& document, const std::filesystem::path& path,
                        OpenedCopy openedCopy = OpenedCopy::kKeep);

enum class SaveStatus {
  kSaved,
  kNoFile,        // nothing was ever loaded
  kExportFailed,  // the image cannot take the layout; nothing was changed or written
  kWriteFailed,   // not written (the file on disk is unchanged), or it reads back differently
};

struct SaveResult {
  SaveStatus status = SaveStatus::kNoFile;
  std::string reason;  // in the user's words: what was out of range, or the system's reason
};

// Exports the title screen into the document's image and writes it to the document's file.
// Once written, the document counts as unmodified.
SaveResult saveDocument(Document& document);

// Save As: the same, to another file, which becomes the document's file once it is written.
// The file the document came from is left untouched.
SaveResult saveDocumentAs(Document& document, const std::filesystem::path& path);

// The image Save would write now: the title screen exported into a copy of the document's image.
// The document is not changed.
Expected<RomImage> exportedImage(const Document& document);

// Writes exportedImage to `path` and changes nothing in the document (the command line's
// re-save and files written on the side).
SaveResult saveDocumentCopy(const Document& document, const std::filesystem::path& path);

}  // namespace pelmora
