// The marks of View > Show Changes: changed cells over the screen views, changed quadrants over
// the attribute view of name table 0, changed tiles over the tile sheet and a frame on each
// changed palette square.
#include <QPainter>

#include "app/change_marks.h"
#include "app/change_overlays.h"
#include "app/colour_square.h"
#include "app/control_area.h"
#include "app/picture_surface.h"

namespace pelmora::app {

void ControlArea::showChangeMarks(const ChangeMarks& marks) {
  changeMarks_ = &marks;
  for (const int nameTable : {0, 2}) {
    screenView(nameTable)->addOverlay([this, nameTable](QPainter& painter, int zoom) {
      paintChangedCells(painter, changeMarks_->changes(), nameTable, zoom);
    });
  }
  attributes_[0]->addOverlay([this](QPainter& painter, int zoom) {
    paintChangedQuadrants(painter, changeMarks_->changes(), zoom);
  });
  tileSheet_->addOverlay([this](QPainter& painter, int zoom) {
    paintChangedTiles(painter, changeMarks_->changes(), zoom);
  });
  connect(&marks, &ChangeMarks::recounted, this, [this] {
    for (PictureSurface* view : {screens_[0], screens_[1], attributes_[0], tileSheet_})
      view->update();
    markChangedSquares();
  });
}

void ControlArea::markChangedSquares() {
  std::vector<bool> rom(romSquares_.size()), sets(setSquares_.size()), coin(coinSquares_.size());
  for (const TitleChange& change : changeMarks_->changes().changes) {
    if (change.kind != ChangeKind::kColour) continue;
    std::vector<bool>& row = change.array == ColourArray::kRomPalette    ? rom
                             : change.array == ColourArray::kBkgPalettes ? sets
                                                                         : coin;
    if (static_cast<std::size_t>(change.index) < row.size())
      row[static_cast<std::size_t>(change.index)] = true;
  }
  const auto mark = [](const std::vector<ColourSquare*>& squares, const std::vector<bool>& marked) {
    for (std::size_t i = 0; i < squares.size(); ++i) squares[i]->setMarked(marked[i]);
  };
  mark(romSquares_, rom);
  mark(setSquares_, sets);
  mark(coinSquares_, coin);
}

}  // namespace pelmora::app
