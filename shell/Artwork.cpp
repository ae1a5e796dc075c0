#include "shell/Artwork.h"

#include <cmath>
#include <iterator>

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include "platform/IconPalette.h"

namespace volvenza {
namespace {

const QColor kOil(214, 150, 40);
const QColor kGas(120, 180, 230);

// An accumulator bottle in the box (x, y, w, h): gas above, oil below, a
// port at the bottom.
void DrawAccumulator(QPainter& p, QRectF box, qreal oilShare) {
    const qreal portHeight = box.height() * 0.12;
    QRectF shell(box.left(), box.top(), box.width(), box.height() - portHeight);
    QPainterPath body;
    body.addRoundedRect(shell, box.width() / 2, box.width() / 2);
    p.save();
    p.setClipPath(body);
    const qreal oilTop = shell.bottom() - shell.height() * oilShare;
    p.fillRect(QRectF(shell.left(), shell.top(), shell.width(), oilTop - shell.top()), kGas);
    p.fillRect(QRectF(shell.left(), oilTop, shell.width(), shell.bottom() - oilTop), kOil);
    p.restore();
    p.setPen(QPen(kInk, box.width() / 14));
    p.setBrush(Qt::NoBrush);
    p.drawPath(body);
    p.drawLine(QPointF(shell.left(), oilTop), QPointF(shell.right(), oilTop));
    const qreal portWidth = box.width() * 0.3;
    p.fillRect(QRectF(box.center().x() - portWidth / 2, shell.bottom(), portWidth, portHeight),
               kInk);
}

// A square transparent image for an icon.
QImage IconCanvas(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

QPixmap Canvas(int width, int height) {
    QPixmap pixmap(width, height);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

// A new sheet.
void DrawNewSheet(QPainter& p) {
    QPolygonF sheet({{3, 1}, {10, 1}, {13, 4}, {13, 15}, {3, 15}});
    p.setBrush(kPaper);
    p.drawPolygon(sheet);
    p.drawPolyline(QPolygonF({{10, 1}, {10, 4}, {13, 4}}));
}

// An open folder.
void DrawOpenFolder(QPainter& p) {
    p.setBrush(kOil.lighter(130));
    p.drawPolygon(QPolygonF({{1, 4}, {5, 4}, {6, 5}, {13, 5}, {13, 14}, {1, 14}}));
    p.setBrush(kOil);
    p.drawPolygon(QPolygonF({{3, 8}, {15, 8}, {13, 14}, {1, 14}}));
}

// A disk.
void DrawDisk(QPainter& p) {
    p.setBrush(kAccent);
    p.drawRect(QRectF(1.5, 1.5, 13, 13));
    p.setBrush(kPaper);
    p.drawRect(QRectF(4, 1.5, 8, 5));
    p.setBrush(kSteel);
    p.drawRect(QRectF(4, 9, 8, 5.5));
}

// A printer.
void DrawPrinter(QPainter& p) {
    p.setBrush(kPaper);
    p.drawRect(QRectF(4, 1.5, 8, 5));
    p.setBrush(kSteel);
    p.drawRect(QRectF(1.5, 6.5, 13, 6));
    p.setBrush(kPaper);
    p.drawRect(QRectF(4, 10.5, 8, 4));
    p.setPen(QPen(kAccent, 1));
    p.drawPoint(QPointF(12.5, 8.5));
}

// The initial data: the accumulator with a form beside it.
void DrawInitialData(QPainter& p) {
    DrawAccumulator(p, QRectF(1.5, 1, 6, 14), 0.35);
    p.setPen(QPen(kInk, 1));
    p.setBrush(kPaper);
    p.drawRect(QRectF(9.5, 2.5, 5, 11));
    for (qreal y = 5; y <= 12; y += 2.5) p.drawLine(QPointF(10.5, y), QPointF(13.5, y));
}

// A movement: a cylinder with its rod.
void DrawMovement(QPainter& p) {
    p.setBrush(kSteel);
    p.drawRect(QRectF(1.5, 5, 9, 6));
    p.setBrush(kInk);
    p.drawRect(QRectF(6, 5, 1.5, 6));
    p.setBrush(kSteel.lighter(130));
    p.drawRect(QRectF(7.5, 7.2, 7, 1.6));
    p.setPen(QPen(kOil, 1.2));
    p.drawLine(QPointF(3, 11), QPointF(3, 14.5));
}

// Run: a start triangle over a pressure wave.
void DrawRun(QPainter& p) {
    p.setBrush(kIconGreen);
    p.drawPolygon(QPolygonF({{4, 2}, {14, 8}, {4, 14}}));
}

// The table: a grid with a header row.
void DrawTable(QPainter& p) {
    p.setBrush(kPaper);
    p.drawRect(QRectF(1.5, 2.5, 13, 11));
    p.fillRect(QRectF(2, 3, 12, 2.5), kSteel);
    for (qreal y = 5.5; y < 13; y += 2.5) p.drawLine(QPointF(1.5, y), QPointF(14.5, y));
    for (qreal x = 5.5; x < 14; x += 4) p.drawLine(QPointF(x, 2.5), QPointF(x, 13.5));
}

// The cycle: one bar per movement along the time axis.
void DrawCycle(QPainter& p) {
    p.setBrush(kPaper);
    p.drawRect(QRectF(1.5, 1.5, 13, 13));
    p.setPen(QPen(kInk, 0.8));
    p.setBrush(kOil);
    p.drawRect(QRectF(3, 3.5, 5, 2.2));
    p.setBrush(kGas);
    p.drawRect(QRectF(6.5, 7, 6, 2.2));
    p.setBrush(kIconGreen);
    p.drawRect(QRectF(4, 10.5, 8, 2.2));
}

// Toolbar pictures are drawn on a 16-unit grid at twice the size, by their
// number (1 to 10; the chart's sheet is the one the chart window uses too).
void DrawPicture(QPainter& p, int picture) {
    using Drawing = void (*)(QPainter&);
    static const Drawing kDrawings[] = {nullptr,        DrawNewSheet,    DrawOpenFolder, DrawDisk,
                                        DrawPrinter,    DrawInitialData, DrawMovement,   DrawRun,
                                        DrawChartSheet, DrawTable,       DrawCycle};
    if (picture < 1 || picture >= static_cast<int>(std::size(kDrawings))) return;
    p.setPen(QPen(kInk, 1.0, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    kDrawings[picture](p);
}

}  // namespace

QImage ProgramIconImage(int size) {
    QImage image = IconCanvas(size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 32.0, size / 32.0);
    DrawAccumulator(p, QRectF(8, 2, 16, 28), 0.4);
    return image;
}

// A sheet with a folded corner, a small accumulator and lines of text.
QImage SimulationFileIconImage(int size) {
    QImage image = IconCanvas(size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 32.0, size / 32.0);
    p.setPen(QPen(kInk, 1));
    p.setBrush(kPaper);
    p.drawPolygon(QPolygonF({{6, 1.5}, {20, 1.5}, {26, 7.5}, {26, 30.5}, {6, 30.5}}));
    p.drawPolyline(QPolygonF({{20, 1.5}, {20, 7.5}, {26, 7.5}}));
    DrawAccumulator(p, QRectF(9, 9, 8, 18), 0.4);
    p.setPen(QPen(kSteel, 1));
    for (const qreal y : {12.5, 16.5, 20.5}) p.drawLine(QPointF(19.5, y), QPointF(23.5, y));
    return image;
}

QPixmap ProgramIcon() {
    return QPixmap::fromImage(ProgramIconImage(32));
}

QIcon ToolbarIcon(int picture) {
    QPixmap pixmap = Canvas(32, 32);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(2, 2);
    DrawPicture(p, picture);
    p.end();
    return QIcon(pixmap);
}

QPixmap BackgroundPicture(QSize size) {
    // At least the picture's own 1024 by 768; larger for a larger workspace,
    // which the sky and the grid fill whole.
    size = size.expandedTo(QSize(1024, 768));
    QPixmap pixmap(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, size.height());
    sky.setColorAt(0, QColor(236, 240, 245));
    sky.setColorAt(1, QColor(208, 216, 228));
    p.fillRect(pixmap.rect(), sky);
    // A drawing-office grid.
    p.setPen(QPen(QColor(190, 200, 215), 1));
    for (int x = 0; x < size.width(); x += 32) p.drawLine(x, 0, x, size.height());
    for (int y = 0; y < size.height(); y += 32) p.drawLine(0, y, size.width(), y);
    // A pressure trace: the drop while the actuators draw oil and the
    // recovery while the pump recharges.
    QPainterPath trace(QPointF(32, 160));
    trace.lineTo(120, 160);
    trace.cubicTo(QPointF(180, 380), QPointF(260, 410), QPointF(330, 390));
    trace.cubicTo(QPointF(400, 370), QPointF(440, 180), QPointF(520, 160));
    trace.lineTo(size.width(), 160);
    p.setPen(QPen(QColor(170, 186, 210), 3));
    p.drawPath(trace);
    p.setOpacity(0.35);
    DrawAccumulator(p, QRectF(560, 120, 60, 170), 0.45);
    return pixmap;
}

QPixmap MakerLogo() {
    QPixmap pixmap = Canvas(135, 150);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    // A quartz-like hexagon around a small accumulator.
    QPolygonF hexagon;
    for (int i = 0; i < 6; ++i) {
        const double angle = (60.0 * i - 90.0) * 3.14159265358979 / 180.0;
        hexagon << QPointF(67.5 + 60 * std::cos(angle), 62 + 60 * std::sin(angle));
    }
    QLinearGradient fill(0, 0, 135, 130);
    fill.setColorAt(0, QColor(210, 228, 245));
    fill.setColorAt(1, QColor(150, 185, 220));
    p.setBrush(fill);
    p.setPen(QPen(kInk, 3));
    p.drawPolygon(hexagon);
    DrawAccumulator(p, QRectF(50, 22, 35, 80), 0.4);
    QFont font(QStringLiteral("Sans Serif"), 13, QFont::Bold);
    p.setFont(font);
    p.setPen(kInk);
    p.drawText(QRectF(0, 126, 135, 24), Qt::AlignCenter, QStringLiteral("QUARZEL"));
    return pixmap;
}

}  // namespace volvenza
