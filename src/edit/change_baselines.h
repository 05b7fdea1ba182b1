#pragma once

#include "edit/title_changes.h"
#include "state/editor_state.h"

namespace pelmora {

// What Show Changes compares the title screen with.
enum class ChangesSince : std::uint8_t { kOpened, kLastSave };

// The title screen as it was opened and as it was last saved. Open sets both; Save moves only
// the second, so "since opened" keeps counting what a session changed in all.
class ChangeBaselines {
 public:
  void markOpened(const EditorState& state);
  void markSaved(const EditorState& state);

  const EditorState& baseline(ChangesSince since) const;
  TitleChanges changes(ChangesSince since, const EditorState& now) const;

 private:
  EditorState opened_;
  EditorState saved_;
};

}  // namespace pelmora
