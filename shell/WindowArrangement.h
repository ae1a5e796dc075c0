#pragma once
// Places for child windows inside the client area.

#include <vector>

#include <QRect>

namespace volvenza {

// `count` windows side by side filling `area`: Qt::Horizontal stacks them
// top to bottom, each as wide as the area; Qt::Vertical sets them left to
// right, each as tall as the area. The last one takes what division leaves.
std::vector<QRect> TileRects(const QRect& area, int count, Qt::Orientation orientation);

// Minimised windows of the given sizes lined up along the bottom edge from
// the left, starting a new row above when a row is full.
std::vector<QPoint> IconPlaces(const QRect& area, const std::vector<QSize>& sizes);

}  // namespace volvenza
