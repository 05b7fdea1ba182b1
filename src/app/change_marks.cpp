#include "app/change_marks.h"

#include "app/editor_document.h"

namespace pelmora::app {

ChangeMarks::ChangeMarks(EditorDocument& document, QObject* parent)
    : QObject(parent), document_(document) {
  setObjectName(QStringLiteral("changeMarks"));
  baselines_.markOpened(document_.state());
  connect(&document_, &EditorDocument::fileOpened, this, [this] {
    baselines_.markOpened(document_.state());
    recount();
  });
  connect(&document_, &EditorDocument::fileSaved, this, [this] {
    baselines_.markSaved(document_.state());
    recount();
  });
  connect(&document_, &EditorDocument::changed, this, &ChangeMarks::recount);
  connect(&document_, &EditorDocument::cellsChanged, this, &ChangeMarks::recount);
  connect(&document_, &EditorDocument::quadrantsChanged, this, &ChangeMarks::recount);
  connect(&document_, &EditorDocument::tileChanged, this, &ChangeMarks::recount);
}

void ChangeMarks::setShown(bool shown) {
  if (shown_ == shown) return;
  shown_ = shown;
  recount();
}

void ChangeMarks::setSince(ChangesSince since) {
  if (since_ == since) return;
  since_ = since;
  recount();
}

QString ChangeMarks::summary() const {
  return shown_ ? QString::fromStdString(changesSummary(changes_)) : QString();
}

// A few thousand byte comparisons: cheap enough for every step of a stroke.
void ChangeMarks::recount() {
  changes_ =
      shown_ && document_.loaded() ? baselines_.changes(since_, document_.state()) : TitleChanges{};
  emit recounted();
}

}  // namespace pelmora::app
