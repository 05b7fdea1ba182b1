#include "app/tile_usage_overlays.h"

#include <QPainter>
#include <QPolygon>

namespace pelmora::app {
namespace {

constexpr int kCellSize = 8;        // screen view pixels per cell
constexpr int kSheetCellSize = 16;  // tile sheet view pixels per tile
constexpr int kSheetColumns = 16;
const QColor kUserTint(255, 220, 0, 90);
const QColor kUserFrame(255, 220, 0);
const QColor kFreeTint(0, 200, 120, 70);
const QColor kFreeCorner(0, 230, 140);

}  // namespace

void paintTileUsers(QPainter& painter, const std::vector<TileCell>& cells, int nameTable,
                    int zoom) {
  painter.setPen(QPen(kUserFrame, 0));
  painter.setBrush(kUserTint);
  for (const TileCell& cell : cells) {
    if (cell.nameTable != nameTable) continue;
    painter.drawRect(cell.column * kCellSize * zoom, cell.row * kCellSize * zoom,
                     kCellSize * zoom - 1, kCellSize * zoom - 1);
  }
}

void paintFreeTileMarks(QPainter& painter, const std::array<bool, kSheetTiles>& free, int zoom) {
  const int size = kSheetCellSize * zoom;
  const int corner = size / 3;
  painter.setPen(Qt::NoPen);
  for (std::size_t tile = 0; tile < free.size(); ++tile) {
    if (!free[tile]) continue;
    const int x = static_cast<int>(tile % kSheetColumns) * size;
    const int y = static_cast<int>(tile / kSheetColumns) * size;
    painter.fillRect(x, y, size, size, kFreeTint);
    painter.setBrush(kFreeCorner);
    painter.drawPolygon(QPolygon({QPoint(x, y), QPoint(x + corner, y), QPoint(x, y + corner)}));
  }
}

}  // namespace pelmora::app
