#pragma once
// The colours and pieces shared by the pictures the program draws for itself:
// the main toolbar's and the chart window's buttons, the program icon and the logo.

#include <QColor>
#include <QPainter>
#include <QPainterPath>

namespace volvenza {

inline constexpr QColor kInk(40, 52, 70);         // outlines and text
inline constexpr QColor kSteel(120, 140, 165);    // metal parts
inline constexpr QColor kPaper(250, 250, 246);    // sheets and faces
inline constexpr QColor kAccent(30, 110, 190);    // curves and highlights
inline constexpr QColor kIconGreen(40, 150, 70);  // "go" and "add" marks

// A small chart on a 16 by 16 icon: paper, two axes and a falling and
// recovering pressure curve. The main toolbar's chart button and the chart
// window's own buttons start from it.
inline void DrawChartSheet(QPainter& p) {
    p.setPen(QPen(kInk, 1));
    p.setBrush(kPaper);
    p.drawRect(QRectF(1.5, 1.5, 13, 13));
    p.drawLine(QPointF(3, 2.5), QPointF(3, 13));
    p.drawLine(QPointF(3, 13), QPointF(14, 13));
    QPainterPath curve(QPointF(3.5, 4));
    curve.cubicTo(QPointF(6, 12), QPointF(9, 12), QPointF(13.5, 4));
    p.setPen(QPen(kAccent, 1.4));
    p.setBrush(Qt::NoBrush);
    p.drawPath(curve);
}

}  // namespace volvenza
