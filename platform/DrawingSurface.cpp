#include "platform/DrawingSurface.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QSaveFile>

namespace volvenza {

namespace {

constexpr double kFarAway = 1e6;

// Pixel bounds of a set of pixel points, one pixel wider on each side so the
// pen's rounding stays inside.
QRect PointBounds(const QPointF* points, size_t count) {
    double x1 = std::numeric_limits<double>::max();
    double y1 = x1;
    double x2 = std::numeric_limits<double>::lowest();
    double y2 = x2;
    for (size_t i = 0; i < count; ++i) {
        x1 = std::min(x1, points[i].x());
        x2 = std::max(x2, points[i].x());
        y1 = std::min(y1, points[i].y());
        y2 = std::max(y2, points[i].y());
    }
    x1 = std::clamp(x1, -kFarAway, kFarAway);
    x2 = std::clamp(x2, -kFarAway, kFarAway);
    y1 = std::clamp(y1, -kFarAway, kFarAway);
    y2 = std::clamp(y2, -kFarAway, kFarAway);
    return QRect(QPoint(int(x1) - 2, int(y1) - 2), QPoint(int(x2) + 2, int(y2) + 2));
}

// Pixel positions far outside the image are pulled in to a distance the
// raster engine handles; positions that are not numbers cannot be drawn.
bool Finite(QPointF p) {
    return std::isfinite(p.x()) && std::isfinite(p.y());
}
QPointF PullIn(QPointF p) {
    return QPointF(std::clamp(p.x(), -kFarAway, kFarAway), std::clamp(p.y(), -kFarAway, kFarAway));
}

}  // namespace

DrawingSurface::DrawingSurface() = default;

void DrawingSurface::SetScale(double left, double top, double right, double bottom) {
    left_ = left;
    top_ = top;
    right_ = right;
    bottom_ = bottom;
}

void DrawingSurface::Resize(QSize size) {
    size = size.expandedTo(QSize(0, 0));
    if (size == size_) return;
    size_ = size;
    committed_ = size_.isEmpty() ? QImage() : QImage(size_, QImage::Format_RGB32);
    SetDotsPerInch(dotsPerInch_);
    Empty();
}

void DrawingSurface::SetDotsPerInch(double dotsPerInch) {
    dotsPerInch_ = dotsPerInch > 0 ? dotsPerInch : 96;
    const int dotsPerMeter = static_cast<int>(std::lround(dotsPerInch_ / 0.0254));
    if (!committed_.isNull() && committed_.dotsPerMeterX() != dotsPerMeter) {
        committed_.setDotsPerMeterX(dotsPerMeter);
        committed_.setDotsPerMeterY(dotsPerMeter);
    }
}

QPointF DrawingSurface::ToPixels(QPointF user) const {
    return QPointF((user.x() - left_) * size_.width() / (right_ - left_),
                   (user.y() - top_) * size_.height() / (bottom_ - top_));
}

QPointF DrawingSurface::ToUser(QPointF pixel) const {
    const double w = std::max(size_.width(), 1);
    const double h = std::max(size_.height(), 1);
    return QPointF(left_ + pixel.x() * (right_ - left_) / w,
                   top_ + pixel.y() * (bottom_ - top_) / h);
}

void DrawingSurface::Line(QPointF from, QPointF to) {
    Line(from, to, color_);
}

void DrawingSurface::Line(QPointF from, QPointF to, const QColor& color) {
    const QPointF ends[2] = {PullIn(ToPixels(from)), PullIn(ToPixels(to))};
    if (!Finite(ends[0]) || !Finite(ends[1])) return;
    Add({LineItem{ends[0], ends[1]}, color, PointBounds(ends, 2)});
}

void DrawingSurface::Polyline(std::vector<QPointF> points) {
    // A point that is not a number is left out; the line joins its neighbours.
    size_t kept = 0;
    for (const QPointF& p : points) {
        const QPointF px = PullIn(ToPixels(p));
        if (Finite(px)) points[kept++] = px;
    }
    points.resize(kept);
    if (points.empty()) return;
    const QRect bounds = PointBounds(points.data(), points.size());
    Add({PolylineItem{std::move(points)}, color_, bounds});
}

void DrawingSurface::Rectangle(QPointF corner1, QPointF corner2) {
    FilledRectangle(corner1, corner2, QColor(), true);
}

void DrawingSurface::FilledRectangle(QPointF corner1, QPointF corner2, const QColor& fill,
                                     bool outline) {
    const QPointF corners[2] = {PullIn(ToPixels(corner1)), PullIn(ToPixels(corner2))};
    if (!Finite(corners[0]) || !Finite(corners[1])) return;
    Add({RectItem{corners[0], corners[1], fill, outline}, color_, PointBounds(corners, 2)});
}

void DrawingSurface::Text(QPointF topLeft, const QString& text) {
    const QPointF at = PullIn(ToPixels(topLeft));
    if (!Finite(at)) return;
    const QFontMetrics metrics =
        committed_.isNull() ? QFontMetrics(font_) : QFontMetrics(font_, &committed_);
    const QPointF corners[2] = {at,
                                at + QPointF(metrics.horizontalAdvance(text), metrics.height())};
    Add({TextItem{at, text}, color_, PointBounds(corners, 2)});
}

void DrawingSurface::Add(Item item) {
    const QRect bounds = item.bounds;
    overlay_.push_back(std::move(item));
    Changed(bounds);
}

void DrawingSurface::Changed(const QRect& rect) const {
    if (!changed_) return;
    const QRect visible = rect.intersected(QRect(QPoint(0, 0), size_));
    if (!visible.isEmpty()) changed_(visible);
}

void DrawingSurface::PaintItems(QPainter& painter, const QRect& dirty) const {
    painter.setFont(font_);
    QPen pen;
    pen.setCosmetic(true);
    pen.setWidth(penWidth_);
    for (const Item& item : overlay_) {
        if (!item.bounds.intersects(dirty)) continue;
        pen.setColor(item.color);
        painter.setPen(pen);
        if (const auto* line = std::get_if<LineItem>(&item.shape)) {
            painter.drawLine(line->from, line->to);
        } else if (const auto* rect = std::get_if<RectItem>(&item.shape)) {
            const QRectF area = QRectF(rect->corner1, rect->corner2).normalized();
            if (rect->fill.isValid()) painter.fillRect(area, rect->fill);
            if (rect->outline) {
                painter.setBrush(Qt::NoBrush);
                painter.drawRect(area);
            }
        } else if (const auto* text = std::get_if<TextItem>(&item.shape)) {
            const QFontMetricsF metrics(font_, painter.device());
            painter.drawText(text->topLeft + QPointF(0, metrics.ascent()), text->text);
        } else if (const auto* poly = std::get_if<PolylineItem>(&item.shape)) {
            painter.drawPolyline(poly->points.data(), int(poly->points.size()));
        }
    }
}

void DrawingSurface::Commit() {
    if (overlay_.empty()) return;
    if (!committed_.isNull()) {
        QPainter painter(&committed_);
        PaintItems(painter, QRect(QPoint(0, 0), size_));
    }
    overlay_.clear();
}

void DrawingSurface::ClearOverlay() {
    // Each item's own pixels, not their bounding box: a crosshair spans the
    // whole area but covers only two thin stripes of it.
    std::vector<QRect> touched;
    touched.reserve(overlay_.size());
    for (const Item& item : overlay_) touched.push_back(item.bounds);
    overlay_.clear();
    for (const QRect& rect : touched) Changed(rect);
}

void DrawingSurface::Empty() {
    overlay_.clear();
    if (!committed_.isNull()) committed_.fill(background_);
    Changed(QRect(QPoint(0, 0), size_));
}

void DrawingSurface::Paint(QPainter& painter, const QRect& dirty) const {
    if (committed_.isNull()) return;
    painter.drawImage(dirty.topLeft(), committed_, dirty);
    painter.save();
    painter.setClipRect(dirty);
    PaintItems(painter, dirty);
    painter.restore();
}

bool DrawingSurface::SaveCommittedBitmap(const QString& path) const {
    if (committed_.isNull()) return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    if (!committed_.save(&file, "BMP")) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

DrawingArea::DrawingArea(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    surface_.SetBackground(palette().color(QPalette::Base));
    surface_.SetFont(font());
    surface_.SetDotsPerInch(logicalDpiY());
    surface_.SetChangedHandler([this](const QRect& rect) { update(rect); });
}

void DrawingArea::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    for (const QRect& dirty : event->region()) {
        if (surface_.IsEmptyArea()) {
            painter.fillRect(dirty, palette().color(QPalette::Base));
        } else {
            surface_.Paint(painter, dirty);
        }
    }
}

void DrawingArea::resizeEvent(QResizeEvent*) {
    surface_.SetDotsPerInch(logicalDpiY());
    surface_.Resize(size());
}

void DrawingArea::mouseMoveEvent(QMouseEvent* event) {
    emit MouseMoved(surface_.ToUser(event->position()), event->buttons());
}

void DrawingArea::mousePressEvent(QMouseEvent* event) {
    emit MousePressed(surface_.ToUser(event->position()), event->button());
}

}  // namespace volvenza
