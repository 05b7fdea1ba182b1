#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <vector>

#include "edit/edit_command.h"

namespace pelmora {

struct Document;

// The undo history of one document, of unlimited depth. Commands are stored compactly: their
// byte changes one after another in a single array, each command as a name and where its changes
// begin. The clean point marks the position of the last Open or Save; undoing or redoing back to
// it makes the document unmodified again, and a new command that drops it from the redo tail
// leaves the document modified until the next Save.
class EditHistory {
 public:
  bool canUndo() const { return done_ > 0; }
  bool canRedo() const { return done_ < entries_.size(); }
  // The names of the commands undo and redo would take back or do again, "" when there is none.
  const char* undoName() const { return canUndo() ? entries_[done_ - 1].name : ""; }
  const char* redoName() const { return canRedo() ? entries_[done_].name : ""; }
  std::size_t undoCount() const { return done_; }
  std::size_t redoCount() const { return entries_.size() - done_; }

  bool isClean() const { return clean_ == done_; }
  void markClean() { clean_ = done_; }

  // The changes of one stored command.
  struct Step {
    std::span<const ByteChange> changes;
    const RomBodySwap* bodySwap = nullptr;
  };

  // Adds a command after the undo point, dropping every command that could have been redone.
  void push(EditCommand command);
  // Moves the undo point one command back (forward) and returns that command's changes; nothing
  // when there is no command to undo (redo).
  std::optional<Step> stepBack();
  std::optional<Step> stepForward();

 private:
  struct Entry {
    const char* name;
    std::uint32_t firstChange;  // into changes_
    std::int32_t bodySwap;      // into bodySwaps_, or -1
  };

  void dropRedoTail();
  Step stepAt(std::size_t entry) const;

  std::vector<Entry> entries_;
  std::vector<ByteChange> changes_;
  std::vector<std::shared_ptr<const RomBodySwap>> bodySwaps_;
  std::size_t done_ = 0;                 // entries_[0, done_) are applied
  std::optional<std::size_t> clean_ = 0;  // nothing once the saved point was dropped
};

// Applies `command` to `document` and adds it to the document's history. An empty command is
// neither applied nor recorded. Returns the parts that changed.
PartSet perform(Document& document, EditCommand command);

// Adds `command`, whose changes `document` already shows (a finished stroke), to the history
// without applying it again.
void recordPerformed(Document& document, EditCommand command);

// Takes back the last command (does again the last undone one). Returns the parts that changed;
// empty when there was nothing to undo (redo).
PartSet undo(Document& document);
PartSet redo(Document& document);

}  // namespace pelmora
