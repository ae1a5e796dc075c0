#include "platform/QtPrinterSurface.h"

#include <algorithm>

#include <QFontMetricsF>
#include <QPagedPaintDevice>

namespace volvenza {

QtPrinterSurface::QtPrinterSurface(QPagedPaintDevice& printer) : printer_(printer) {
    painter_.begin(&printer_);
    // Until the width is rescaled, a horizontal unit is a twip as well.
    devicePerUnitX_ = DevicePerTwip();
}

QtPrinterSurface::~QtPrinterSurface() {
    if (painter_.isActive()) painter_.end();
}

// Dots per inch of the device (a printer's resolution).
double QtPrinterSurface::Resolution() const {
    return printer_.logicalDpiY();
}

double QtPrinterSurface::DevicePerTwip() const {
    return Resolution() / 1440.0;
}

void QtPrinterSurface::SetFont(const QString& family, double points) {
    font_ = QFont(family);
    font_.setPointSizeF(points);
    // The original's reports are set in Courier: where it is missing, the
    // system's monospace face; any other family is a proportional one.
    const bool courier = family == QLatin1String("Courier");
    font_.setStyleHint(courier ? QFont::TypeWriter : QFont::SansSerif);
    font_.setFixedPitch(courier);
    // No ligatures: "Officina" read back or searched in a PDF stays "Officina".
    if (!courier) font_.setStyleStrategy(QFont::PreferNoShaping);
    if (painter_.isActive()) painter_.setFont(font_);
}

void QtPrinterSurface::ScaleWidthTo100() {
    const double width =
        printer_.pageLayout().paintRectPixels(static_cast<int>(Resolution())).width();
    if (width > 0) devicePerUnitX_ = width / 100.0;
}

double QtPrinterSurface::TextWidth(const QString& text) const {
    return QFontMetricsF(font_, &printer_).horizontalAdvance(text) / devicePerUnitX_;
}

double QtPrinterSurface::LineHeight() const {
    return QFontMetricsF(font_, &printer_).lineSpacing() / DevicePerTwip();
}

double QtPrinterSurface::PageHeight() const {
    return printer_.pageLayout().paintRectPixels(static_cast<int>(Resolution())).height() /
           DevicePerTwip();
}

double QtPrinterSurface::PageWidth() const {
    return printer_.pageLayout().paintRectPixels(static_cast<int>(Resolution())).width() /
           DevicePerTwip();
}

void QtPrinterSurface::DrawText(double x, double y, const QString& text) {
    if (!painter_.isActive()) return;
    const double ascent = QFontMetricsF(font_, &printer_).ascent();
    painter_.drawText(QPointF(x * devicePerUnitX_, y * DevicePerTwip() + ascent), text);
}

void QtPrinterSurface::NewPage() {
    if (painter_.isActive() && !printer_.newPage()) painter_.end();
    ResetPosition();
}

void QtPrinterSurface::PaintPicture(const QImage& picture) {
    if (!painter_.isActive() || picture.isNull()) return;
    // The picture's own resolution gives its size on paper (a screen's
    // picture says 96 dots per inch); rounding never takes it past the page.
    const double dotsPerInch = picture.dotsPerMeterX() * 0.0254;
    double scale = Resolution() / (dotsPerInch > 0 ? dotsPerInch : 96.0);
    const double room =
        printer_.pageLayout().paintRectPixels(static_cast<int>(Resolution())).width();
    if (room > 0) scale = std::min(scale, room / picture.width());
    painter_.drawImage(
        QRectF(0, CurrentY() * DevicePerTwip(), picture.width() * scale, picture.height() * scale),
        picture);
}

void QtPrinterSurface::EndDoc() {
    if (painter_.isActive()) painter_.end();
}

}  // namespace volvenza
