#include "views/ChartIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include "platform/IconPalette.h"

namespace volvenza {

namespace {

const QColor kRed(200, 40, 40);

void DrawCrosshair(QPainter& p, QPointF centre, const QColor& color) {
    p.setPen(QPen(color, 1.2));
    p.drawLine(QPointF(centre.x(), 1), QPointF(centre.x(), 15));
    p.drawLine(QPointF(1, centre.y()), QPointF(15, centre.y()));
}

void DrawPicture(QPainter& p, const QString& key) {
    if (key == QLatin1String("Cancella")) {  // the chart with an eraser over it
        DrawChartSheet(p);
        p.setPen(QPen(kInk, 1));
        p.setBrush(kRed.lighter(150));
        p.drawPolygon(QPolygonF({{7, 9}, {12, 4}, {15, 7}, {10, 12}}));
        p.setBrush(kPaper);
        p.drawPolygon(QPolygonF({{5, 11}, {7, 9}, {10, 12}, {8, 14}}));
    } else if (key == QLatin1String("Tracciatore")) {  // a sight with its cross
        p.setPen(QPen(kInk, 1.2));
        p.setBrush(kPaper);
        p.drawEllipse(QPointF(8, 8), 5.5, 5.5);
        DrawCrosshair(p, QPointF(8, 8), kInk);
        p.setBrush(kAccent);
        p.drawEllipse(QPointF(8, 8), 1.3, 1.3);
    } else if (key == QLatin1String("Disegna")) {  // the whole chart, framed to fit
        DrawChartSheet(p);
        p.setPen(QPen(kIconGreen, 1.6, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPolyline(QPolygonF({{0.8, 4.5}, {0.8, 0.8}, {4.5, 0.8}}));
        p.drawPolyline(QPolygonF({{11.5, 0.8}, {15.2, 0.8}, {15.2, 4.5}}));
        p.drawPolyline(QPolygonF({{15.2, 11.5}, {15.2, 15.2}, {11.5, 15.2}}));
        p.drawPolyline(QPolygonF({{4.5, 15.2}, {0.8, 15.2}, {0.8, 11.5}}));
    } else if (key == QLatin1String("ZoomArea")) {  // a dashed area and a lens
        p.setPen(QPen(kSteel, 1, Qt::DashLine));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(1.5, 1.5, 9, 7));
        p.setPen(QPen(kInk, 1.2));
        p.setBrush(kPaper);
        p.drawEllipse(QPointF(8, 8), 3.5, 3.5);
        p.setPen(QPen(kInk, 2.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(10.6, 10.6), QPointF(14.5, 14.5));
    } else if (key == QLatin1String("AggiungiParticolari")) {  // chart, line and a plus
        DrawChartSheet(p);
        p.setPen(QPen(kIconGreen, 1, Qt::DashLine));
        p.drawLine(QPointF(2, 9), QPointF(14, 9));
        p.setPen(QPen(kIconGreen, 2));
        p.drawLine(QPointF(11.5, 1), QPointF(11.5, 6));
        p.drawLine(QPointF(9, 3.5), QPointF(14, 3.5));
    } else if (key == QLatin1String("Differenza")) {  // two marked points and the gap
        p.setPen(QPen(kInk, 1));
        p.setBrush(kPaper);
        p.drawRect(QRectF(1.5, 1.5, 13, 13));
        DrawCrosshair(p, QPointF(5, 5), kRed);
        DrawCrosshair(p, QPointF(11, 11), kIconGreen);
        p.setPen(QPen(kInk, 1));
        p.drawLine(QPointF(5, 13.5), QPointF(11, 13.5));
    } else if (key == QLatin1String("PressioniRichieste")) {  // bars of need over a curve
        p.setPen(QPen(kInk, 1));
        p.drawPolyline(QPolygonF({QPointF(1, 13), QPointF(5, 5), QPointF(9, 9), QPointF(15, 3)}));
        p.setPen(QPen(QColor(0, 90, 170), 2));
        p.drawLine(QPointF(2, 10.5), QPointF(7, 10.5));
        p.drawLine(QPointF(9, 6.5), QPointF(14, 6.5));
    } else if (key == QLatin1String("Temperatura")) {  // a thermometer beside a curve
        p.setPen(QPen(kInk, 1));
        p.setBrush(kPaper);
        p.drawRoundedRect(QRectF(9.5, 1, 4, 10), 2, 2);
        p.setBrush(kRed);
        p.drawEllipse(QPointF(11.5, 12.5), 2.7, 2.7);
        p.setPen(QPen(kRed, 1.6));
        p.drawLine(QPointF(11.5, 11), QPointF(11.5, 5));
        p.setPen(QPen(kIconGreen, 1.4));
        p.setBrush(Qt::NoBrush);
        p.drawPolyline(QPolygonF({{1, 12}, {3.5, 6}, {6, 9}, {8, 3}}));
    }
}

}  // namespace

QIcon ChartToolIcon(const QString& key) {
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(2, 2);
    DrawPicture(p, key);
    p.end();
    return QIcon(pixmap);
}

}  // namespace volvenza
