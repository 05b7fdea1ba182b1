#include "edit/edit_history.h"

#include "edit/document.h"

namespace pelmora {

void EditHistory::push(EditCommand command) {
  dropRedoTail();
  std::int32_t swap = -1;
  if (command.bodySwap()) {
    swap = static_cast<std::int32_t>(bodySwaps_.size());
    bodySwaps_.push_back(command.sharedBodySwap());
  }
  entries_.push_back({command.name(), static_cast<std::uint32_t>(changes_.size()), swap});
  const std::vector<ByteChange> changes = command.takeChanges();
  changes_.insert(changes_.end(), changes.begin(), changes.end());
  done_ = entries_.size();
}

std::optional<EditHistory::Step> EditHistory::stepBack() {
  if (!canUndo()) return std::nullopt;
  --done_;
  return stepAt(done_);
}

std::optional<EditHistory::Step> EditHistory::stepForward() {
  if (!canRedo()) return std::nullopt;
  ++done_;
  return stepAt(done_ - 1);
}

void EditHistory::dropRedoTail() {
  if (!canRedo()) return;
  if (clean_ && *clean_ > done_) clean_.reset();
  changes_.resize(entries_[done_].firstChange);
  for (std::size_t entry = done_; entry < entries_.size(); ++entry) {
    if (entries_[entry].bodySwap >= 0) {
      bodySwaps_.resize(static_cast<std::size_t>(entries_[entry].bodySwap));
      break;
    }
  }
  entries_.resize(done_);
}

EditHistory::Step EditHistory::stepAt(std::size_t entry) const {
  const std::size_t first = entries_[entry].firstChange;
  const std::size_t end =
      entry + 1 < entries_.size() ? entries_[entry + 1].firstChange : changes_.size();
  const std::int32_t swap = entries_[entry].bodySwap;
  return {std::span<const ByteChange>(changes_).subspan(first, end - first),
          swap >= 0 ? bodySwaps_[static_cast<std::size_t>(swap)].get() : nullptr};
}

PartSet perform(Document& document, EditCommand command) {
  if (command.empty()) return {};
  const PartSet parts = command.apply(document);
  document.history.push(std::move(command));
  return parts;
}

void recordPerformed(Document& document, EditCommand command) {
  if (!command.empty()) document.history.push(std::move(command));
}

PartSet undo(Document& document) {
  const auto step = document.history.stepBack();
  if (!step) return {};
  return writeChanges(document, step->changes, step->bodySwap, ChangeDirection::kBackward);
}

PartSet redo(Document& document) {
  const auto step = document.history.stepForward();
  if (!step) return {};
  return writeChanges(document, step->changes, step->bodySwap, ChangeDirection::kForward);
}

}  // namespace pelmora
