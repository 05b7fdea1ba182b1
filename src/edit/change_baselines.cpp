#include "edit/change_baselines.h"

namespace pelmora {

void ChangeBaselines::markOpened(const EditorState& state) {
  opened_ = state;
  saved_ = state;
}

void ChangeBaselines::markSaved(const EditorState& state) {
  saved_ = state;
}

const EditorState& ChangeBaselines::baseline(ChangesSince since) const {
  return since == ChangesSince::kOpened ? opened_ : saved_;
}

TitleChanges ChangeBaselines::changes(ChangesSince since, const EditorState& now) const {
  return compareTitleScreens(baseline(since), now);
}

}  // namespace pelmora
