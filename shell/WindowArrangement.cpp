#include "shell/WindowArrangement.h"

#include <algorithm>

namespace volvenza {

std::vector<QRect> TileRects(const QRect& area, int count, Qt::Orientation orientation) {
    std::vector<QRect> places;
    if (count <= 0) return places;
    const bool stacked = orientation == Qt::Horizontal;
    const int length = stacked ? area.height() : area.width();
    const int share = length / count;
    for (int i = 0; i < count; ++i) {
        const int start = i * share;
        const int extent = i + 1 == count ? length - start : share;
        places.push_back(stacked ? QRect(area.left(), area.top() + start, area.width(), extent)
                                 : QRect(area.left() + start, area.top(), extent, area.height()));
    }
    return places;
}

std::vector<QPoint> IconPlaces(const QRect& area, const std::vector<QSize>& sizes) {
    std::vector<QPoint> places;
    int x = area.left();
    int bottom = area.bottom() + 1;
    int rowHeight = 0;
    for (const QSize& size : sizes) {
        if (x > area.left() && x + size.width() > area.right() + 1) {
            x = area.left();
            bottom -= rowHeight;
            rowHeight = 0;
        }
        rowHeight = std::max(rowHeight, size.height());
        places.emplace_back(x, bottom - size.height());
        x += size.width();
    }
    return places;
}

}  // namespace volvenza
