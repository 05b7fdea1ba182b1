#pragma once

#include <QObject>
#include <QString>

#include "edit/change_baselines.h"

namespace pelmora::app {

class EditorDocument;

// View > Show Changes: what the title screen holds now that it did not hold as opened (or, as
// the second choice, when last saved). Counted afresh at every change of the document while
// shown; the control area paints the marks and the status bar shows the counts.
class ChangeMarks : public QObject {
  Q_OBJECT

 public:
  explicit ChangeMarks(EditorDocument& document, QObject* parent = nullptr);

  bool shown() const { return shown_; }
  void setShown(bool shown);
  ChangesSince since() const { return since_; }
  void setSince(ChangesSince since);

  // The changes as last counted; none while the marks are hidden.
  const TitleChanges& changes() const { return changes_; }
  // "12 cells, 3 quadrants, 2 colours, 1 tile changed"; empty while hidden.
  QString summary() const;
  // The title screen as it was opened.
  const EditorState& opened() const { return baselines_.baseline(ChangesSince::kOpened); }

 signals:
  void recounted();

 private:
  void recount();

  EditorDocument& document_;
  ChangeBaselines baselines_;
  TitleChanges changes_;
  ChangesSince since_ = ChangesSince::kOpened;
  bool shown_ = false;
};

}  // namespace pelmora::app
