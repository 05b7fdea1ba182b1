#pragma once

#include <memory>
#include <span>
#include <vector>

#include "edit/byte_change.h"

namespace pelmora {

struct Document;

// The names commands carry into the Edit menu ("Undo Place Tile"). A command's name is always a
// string literal, so commands keep only a pointer to it.
namespace command_name {
inline constexpr const char* kPlaceTile = "Place Tile";
inline constexpr const char* kSetAttribute = "Set Attribute";
inline constexpr const char* kChangeColour = "Change Colour";
inline constexpr const char* kSwitchCoin = "Switch Coin";
inline constexpr const char* kPaintTiles = "Paint Tiles";
inline constexpr const char* kPaintAttributes = "Paint Attributes";
inline constexpr const char* kPlaceBlock = "Place Block";
inline constexpr const char* kPaintBlocks = "Paint Blocks";
inline constexpr const char* kCut = "Cut";
inline constexpr const char* kDelete = "Delete";
inline constexpr const char* kPaste = "Paste";
inline constexpr const char* kFill = "Fill";
inline constexpr const char* kEditTile = "Edit Tile";
inline constexpr const char* kImportTiles = "Import Tiles";
inline constexpr const char* kImportPicture = "Import Picture";
}  // namespace command_name

// One edit of a document that can be done, undone and redone exactly. It keeps only the bytes
// it changes (old and new value), not a copy of the document.
class EditCommand {
 public:
  EditCommand() = default;
  EditCommand(const char* name, std::vector<ByteChange> changes,
              std::shared_ptr<const RomBodySwap> bodySwap = nullptr);

  const char* name() const { return name_; }
  std::span<const ByteChange> changes() const { return changes_; }
  const RomBodySwap* bodySwap() const { return bodySwap_.get(); }
  const std::shared_ptr<const RomBodySwap>& sharedBodySwap() const { return bodySwap_; }
  // Whether doing it would change nothing.
  bool empty() const { return changes_.empty() && !bodySwap_; }
  PartSet parts() const;

  // Writes the new values (apply) or the old ones (revert) into `document` and reports which
  // parts changed. After a palette part changes, viewPalette is rebuilt for the palette set on
  // show.
  PartSet apply(Document& document) const;
  PartSet revert(Document& document) const;

  // Moves the byte changes out (the history stores them in one array).
  std::vector<ByteChange> takeChanges() { return std::move(changes_); }

 private:
  const char* name_ = "";
  std::vector<ByteChange> changes_;
  std::shared_ptr<const RomBodySwap> bodySwap_;
};

enum class ChangeDirection { kForward, kBackward };

// Writes `changes` (and `bodySwap`, when there is one) into `document`: the new values in order
// going forward, the old values in reverse order going backward. Changes that lie outside their
// part are skipped. Returns the parts written.
PartSet writeChanges(Document& document, std::span<const ByteChange> changes,
                     const RomBodySwap* bodySwap, ChangeDirection direction);

}  // namespace pelmora
