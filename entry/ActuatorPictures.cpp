#include "entry/ActuatorPictures.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QVector>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace volvenza {
namespace {

// Sixteen colours are all the pictures use.
const QVector<QRgb> kPalette = {
    qRgb(0, 0, 0),       qRgb(0, 0, 128),   qRgb(0, 128, 0),   qRgb(0, 128, 128),
    qRgb(128, 0, 0),     qRgb(128, 0, 128), qRgb(128, 128, 0), qRgb(192, 192, 192),
    qRgb(128, 128, 128), qRgb(0, 0, 255),   qRgb(0, 255, 0),   qRgb(0, 255, 255),
    qRgb(255, 0, 0),     qRgb(255, 0, 255), qRgb(255, 255, 0), qRgb(255, 255, 255),
};
const QColor kInk(0, 0, 0);
const QColor kPressure(0, 0, 255);
const QColor kReturn(128, 128, 128);
const QColor kMotion(255, 0, 0);
const QColor kMeasure(0, 0, 128);
const QColor kBody(192, 192, 192);
const QColor kPaper(255, 255, 255);

// Everything is drawn in the 250 by 150 frame of the page picture; the
// button picture scales the symbol's own area down to 120 by 50.
const QRectF kPageFrame(0, 0, 250, 150);
const QRectF kCylinderArea(18, 18, 222, 110);
const QRectF kRotaryArea(40, 10, 175, 130);

enum class Port { Pressure, Return };

class Sketch {
  public:
    Sketch(QPainter& painter, bool marks, double lineWidth)
        : p_(painter), marks_(marks), line_(lineWidth) {}

    bool Marks() const { return marks_; }

    void Line(QPointF a, QPointF b, const QColor& colour, double widthFactor = 1) {
        p_.setPen(Pen(colour, widthFactor));
        p_.drawLine(a, b);
    }

    void Box(const QRectF& r, const QColor& fill) {
        p_.setPen(Pen(kInk));
        p_.setBrush(fill);
        p_.drawRect(r);
        p_.setBrush(Qt::NoBrush);
    }

    void Solid(const QRectF& r, const QColor& colour) { p_.fillRect(r, colour); }

    void Triangle(QPointF apex, QPointF baseA, QPointF baseB, const QColor& colour) {
        p_.setPen(Pen(colour));
        p_.setBrush(colour);
        p_.drawPolygon(QPolygonF{apex, baseA, baseB});
        p_.setBrush(Qt::NoBrush);
    }

    // A line from `from` to `to` ending in a filled head at `to`.
    void Arrow(QPointF from, QPointF to, const QColor& colour, double head = 9) {
        const QPointF d = to - from;
        const double length = std::hypot(d.x(), d.y());
        if (length <= 0) return;
        const QPointF u = d / length;
        const QPointF n(-u.y(), u.x());
        const QPointF base = to - u * head;
        Line(from, base, colour, 1.5);
        Triangle(to, base + n * head * 0.45, base - n * head * 0.45, colour);
    }

    // A port line from the actuator down to the supply, with the direction
    // of the oil: into the actuator for the pressure port, out for the return.
    void PortLine(QPointF at, QPointF supply, Port port) {
        const QColor colour = port == Port::Pressure ? kPressure : kReturn;
        Line(at, supply, colour);
        const QPointF middle = (at + supply) / 2;
        const QPointF u = (at - supply) / std::hypot(at.x() - supply.x(), at.y() - supply.y());
        if (port == Port::Pressure) {
            Arrow(middle - u * 6, middle + u * 6, colour, 8);
        } else {
            Arrow(middle + u * 6, middle - u * 6, colour, 8);
        }
    }

    // A size mark between a and b, arrows on both ends, named by `symbol`
    // placed at `label`. Only on the page pictures.
    void Measure(QPointF a, QPointF b, const char* symbol, QPointF label) {
        if (!marks_) return;
        const QPointF middle = (a + b) / 2;
        Arrow(middle, a, kMeasure, 6);
        Arrow(middle, b, kMeasure, 6);
        Text(label, symbol);
    }

    // A size mark across a narrow part: two arrows pointing in from outside.
    void MeasureInward(QPointF a, QPointF b, const char* symbol, QPointF label) {
        if (!marks_) return;
        const QPointF d = b - a;
        const QPointF u = d / std::hypot(d.x(), d.y());
        Arrow(a - u * 12, a, kMeasure, 6);
        Arrow(b + u * 12, b, kMeasure, 6);
        Text(label, symbol);
    }

    void Text(QPointF centre, const char* text) {
        p_.setPen(Pen(kMeasure));
        const QRectF box(centre.x() - 15, centre.y() - 9, 30, 18);
        p_.drawText(box, Qt::AlignCenter, QString::fromUtf8(text));
    }

    void Arc(const QRectF& box, double startDeg, double spanDeg, const QColor& colour) {
        p_.setPen(Pen(colour, 1.5));
        p_.drawArc(box, static_cast<int>(startDeg * 16), static_cast<int>(spanDeg * 16));
    }

    void Circle(QPointF centre, double radius, const QColor& fill) {
        p_.setPen(Pen(kInk));
        p_.setBrush(fill);
        p_.drawEllipse(centre, radius, radius);
        p_.setBrush(Qt::NoBrush);
    }

  private:
    QPen Pen(const QColor& colour, double factor = 1) const {
        QPen pen(colour, std::max(1.0, std::round(line_ * factor)));
        pen.setCosmetic(true);
        pen.setJoinStyle(Qt::MiterJoin);
        return pen;
    }

    QPainter& p_;
    bool marks_;
    double line_;
};

struct CylinderShape {
    bool rodLeft = false;
    bool plunger = false;
    bool extends = true;           // the red arrow: rod out (right) or in
    bool pressureOnCapEnd = true;  // which chamber takes the oil
    const char* boreSymbol = nullptr;
    const char* rodSymbol = nullptr;
};

// A cylinder lying on its side: barrel, piston, rod to the right (and to the
// left for the double rod), ports underneath, a red arrow for the rod's way.
void DrawCylinder(Sketch& s, const CylinderShape& shape) {
    const QRectF barrel(45, 45, 120, 50);
    const double pistonX = shape.extends ? 85 : 125;
    const double centreY = barrel.center().y();

    s.Box(barrel, kPaper);
    if (shape.plunger) {
        // The ram fills the bore; the barrel's far end is open to it.
        const QRectF ram(pistonX, barrel.top() + 7, 212 - pistonX, barrel.height() - 14);
        s.Box(ram, kBody);
        s.MeasureInward(QPointF(198, ram.top()), QPointF(198, ram.bottom()), "d",
                        QPointF(228, centreY));
    } else {
        s.Solid(QRectF(pistonX - 3, barrel.top() + 1, 7, barrel.height() - 1), kInk);
        const QRectF rod(pistonX, centreY - 4, 212 - pistonX, 9);
        s.Box(rod, kBody);
        if (shape.rodLeft) s.Box(QRectF(34, centreY - 4, pistonX - 34, 9), kBody);
        if (shape.rodSymbol != nullptr) {
            s.MeasureInward(QPointF(198, centreY - 4), QPointF(198, centreY + 5), shape.rodSymbol,
                            QPointF(228, centreY));
        }
    }

    const QPointF capPort(barrel.left() + 14, barrel.bottom());
    const QPointF rodPort(barrel.right() - 14, barrel.bottom());
    s.PortLine(capPort, QPointF(capPort.x(), 128),
               shape.pressureOnCapEnd ? Port::Pressure : Port::Return);
    if (!shape.plunger) {
        s.PortLine(rodPort, QPointF(rodPort.x(), 128),
                   shape.pressureOnCapEnd ? Port::Return : Port::Pressure);
    }

    if (shape.extends) {
        s.Arrow(QPointF(178, 30), QPointF(222, 30), kMotion, 11);
    } else {
        s.Arrow(QPointF(222, 30), QPointF(178, 30), kMotion, 11);
    }

    if (shape.boreSymbol != nullptr) {
        s.Measure(QPointF(24, barrel.top() + 1), QPointF(24, barrel.bottom() - 1), shape.boreSymbol,
                  QPointF(10, centreY));
    }
    // The stroke: how far the piston travels inside the barrel.
    const double travelFrom = shape.extends ? pistonX : barrel.left() + 22;
    const double travelTo = shape.extends ? barrel.right() - 2 : pistonX;
    s.Measure(QPointF(travelFrom, 22), QPointF(travelTo, 22), "L",
              QPointF((travelFrom + travelTo) / 2, 10));
}

// The motor: a circle with the inward triangle at the pressure port, the
// return port opposite, the shaft to the right and the turning arrow.
void DrawMotor(Sketch& s) {
    const QPointF c(110, 75);
    const double r = 38;
    s.Circle(c, r, kPaper);
    s.Triangle(QPointF(c.x(), c.y() - r + 22), QPointF(c.x() - 11, c.y() - r + 3),
               QPointF(c.x() + 11, c.y() - r + 3), kInk);
    s.PortLine(QPointF(c.x(), c.y() - r), QPointF(c.x(), 12), Port::Pressure);
    s.PortLine(QPointF(c.x(), c.y() + r), QPointF(c.x(), 138), Port::Return);
    s.Line(QPointF(c.x() + r, c.y() - 3), QPointF(205, c.y() - 3), kInk);
    s.Line(QPointF(c.x() + r, c.y() + 3), QPointF(205, c.y() + 3), kInk);
    // Continuous rotation: a wide arc around the shaft ending in an arrow.
    const QRectF arcBox(168, c.y() - 22, 24, 44);
    s.Arc(arcBox, 110, 220, kMotion);
    s.Arrow(QPointF(182, c.y() + 20), QPointF(190, c.y() + 18), kMotion, 9);
    if (s.Marks()) {
        s.Text(QPointF(c.x(), c.y() + 12), "C");
        s.Text(QPointF(206, c.y() - 32), "N");
    }
}

// The vane actuator: a body turning through a limited angle, oil to either
// side, the angle shown by a red arc with an arrow on both ends.
void DrawVane(Sketch& s) {
    const QPointF c(110, 80);
    const double r = 38;
    s.Circle(c, r, kPaper);
    // The vane itself, from the hub to the wall.
    s.Solid(QRectF(c.x() - 2, c.y() - r + 2, 5, r - 2), kInk);
    s.Circle(c, 6, kBody);
    const double a = 45 * std::numbers::pi / 180;
    const QPointF left(c.x() - r * std::sin(a), c.y() - r * std::cos(a));
    const QPointF right(c.x() + r * std::sin(a), c.y() - r * std::cos(a));
    s.Triangle(left + QPointF(14, 14), left + QPointF(1, 10), left + QPointF(10, 1), kInk);
    s.Triangle(right + QPointF(-14, 14), right + QPointF(-10, 1), right + QPointF(-1, 10), kInk);
    s.PortLine(left, QPointF(left.x() - 25, 14), Port::Pressure);
    s.PortLine(right, QPointF(right.x() + 25, 14), Port::Return);
    s.Line(QPointF(c.x() + r, c.y() - 3), QPointF(200, c.y() - 3), kInk);
    s.Line(QPointF(c.x() + r, c.y() + 3), QPointF(200, c.y() + 3), kInk);
    // Limited rotation: an arc through the angle with both ends arrowed.
    const QRectF arcBox(165, c.y() - 26, 30, 52);
    s.Arc(arcBox, 300, 120, kMotion);
    s.Arrow(QPointF(190, c.y() - 16), QPointF(185, c.y() - 23), kMotion, 9);
    s.Arrow(QPointF(190, c.y() + 16), QPointF(185, c.y() + 23), kMotion, 9);
    if (s.Marks()) {
        s.Text(QPointF(218, c.y()), "AR");
        s.Text(QPointF(c.x(), c.y() + 22), "CU");
    }
}

void DrawPicture(Sketch& s, int number) {
    switch (number) {
        case 1:
            DrawCylinder(s, {.extends = true, .pressureOnCapEnd = true, .boreSymbol = "D"});
            break;
        case 2:
            DrawCylinder(
                s,
                {.extends = false, .pressureOnCapEnd = false, .boreSymbol = "D", .rodSymbol = "d"});
            break;
        case 3:
            DrawMotor(s);
            break;
        case 4:
            DrawCylinder(s, {.rodLeft = true,
                             .extends = true,
                             .pressureOnCapEnd = true,
                             .boreSymbol = "D",
                             .rodSymbol = "d"});
            break;
        case 5:
            DrawCylinder(s, {.plunger = true, .extends = true, .pressureOnCapEnd = true});
            break;
        case 6:
            DrawVane(s);
            break;
        default:
            break;
    }
}

QImage Render(int number, QSize size, bool marks) {
    if (number < 1 || number > 6) return {};
    QImage image(size, QImage::Format_RGB32);
    image.fill(kPaper);
    {
        QPainter painter(&image);
        const QRectF area =
            marks ? kPageFrame : (number == 3 || number == 6 ? kRotaryArea : kCylinderArea);
        const double scale = std::min(size.width() / area.width(), size.height() / area.height());
        painter.translate((size.width() - area.width() * scale) / 2,
                          (size.height() - area.height() * scale) / 2);
        painter.scale(scale, scale);
        painter.translate(-area.topLeft());
        QFont font = painter.font();
        font.setPixelSize(14);
        font.setBold(true);
        font.setStyleStrategy(QFont::NoAntialias);
        painter.setFont(font);
        Sketch sketch(painter, marks, marks ? 2 : 1);
        DrawPicture(sketch, number);
    }
    // Every colour drawn is one of the palette's, so this loses nothing.
    return image.convertToFormat(QImage::Format_Indexed8, kPalette,
                                 Qt::ThresholdDither | Qt::AvoidDither);
}

}  // namespace

QImage ActuatorPicture(int number) {
    return Render(number, QSize(kPagePictureWidth, kPagePictureHeight), true);
}

QImage ActuatorButtonPicture(int number) {
    return Render(number, QSize(kButtonPictureWidth, kButtonPictureHeight), false);
}

}  // namespace volvenza
