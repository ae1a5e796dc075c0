#include "report/PageIdentity.h"

#include <QCoreApplication>
#include <QStringList>

#include "platform/UiNumber.h"

namespace volvenza {
namespace {

const QString kFont = QStringLiteral("Sans");
// The line's size, and the smallest it shrinks to before it breaks.
constexpr double kPoints = 8, kSmallestPoints = 6.5;
const QString kBetween = QString::fromUtf8(" · ");

// `text` without enough characters from its middle to be `keep` long, an
// ellipsis in their place.
QString Shortened(const QString& text, qsizetype keep) {
    if (text.size() <= keep) return text;
    const qsizetype head = (keep + 1) / 2;
    return text.left(head) + QString::fromUtf8("…") + text.right(keep - head);
}

}  // namespace

QString IdentityLine(const PageIdentity& identity, const CircuitData& data) {
    QStringList parts;
    if (!identity.header.trimmed().isEmpty()) parts << identity.header.trimmed();
    parts << identity.design << identity.date.toString(Qt::ISODate)
          << "V0 " + UiNumber(data.V0) + " dm3"
          << "P0 " + UiNumber(data.P0) + " bar"
          << "Qp " + UiNumber(data.Qp) + " dm3/min"
          << "Pm " + UiNumber(data.Pm) + " bar"
          << "Dp " + UiNumber(data.Dp) + " bar"
          << "tc " + UiNumber(data.Tc) + " °C"
          << QCoreApplication::translate("volvenza::PageIdentity", "ciclo") + " " +
                 UiNumber(data.CycleTime) + " s";
    return parts.join(kBetween);
}

IdentifiedSurface::IdentifiedSurface(PrinterSurface& paper, const QString& line) : paper_(paper) {
    // One line, as small as 6,5 points; when even that is too wide, lines
    // of the usual size broken between the parts, which stay whole.
    for (points_ = kPoints; points_ >= kSmallestPoints; points_ -= 0.5) {
        paper_.SetFont(kFont, points_);
        paper_.ScaleWidthTo100();
        if (paper_.TextWidth(line) <= 100) {
            lines_ = {line};
            break;
        }
    }
    if (lines_.isEmpty()) {
        points_ = kPoints;
        paper_.SetFont(kFont, points_);
        for (const QString& whole : line.split(kBetween)) {
            // A header or a name longer than the line gives up its middle.
            QString part = whole;
            for (qsizetype keep = whole.size() - 1; paper_.TextWidth(part) > 100 && keep > 8;
                 --keep)
                part = Shortened(whole, keep);
            const QString longer = lines_.isEmpty() ? part : lines_.back() + kBetween + part;
            if (!lines_.isEmpty() && paper_.TextWidth(longer) <= 100) {
                lines_.back() = longer;
            } else {
                lines_ << part;
            }
        }
    }
    // Half a line apart from the report below.
    top_ = (static_cast<double>(lines_.size()) + 0.5) * paper_.LineHeight();
    PrintIdentity();
}

void IdentifiedSurface::PrintIdentity() {
    paper_.SetFont(kFont, points_);
    paper_.ScaleWidthTo100();
    paper_.SetCurrentY(0);
    for (const QString& line : lines_) {
        paper_.SetCurrentX(0);
        paper_.Print({line});
    }
    if (!family_.isEmpty()) paper_.SetFont(family_, reportPoints_);
}

void IdentifiedSurface::SetFont(const QString& family, double points) {
    family_ = family;
    reportPoints_ = points;
    paper_.SetFont(family, points);
}

void IdentifiedSurface::ScaleWidthTo100() {
    paper_.ScaleWidthTo100();
}

double IdentifiedSurface::TextWidth(const QString& text) const {
    return paper_.TextWidth(text);
}

double IdentifiedSurface::LineHeight() const {
    return paper_.LineHeight();
}

double IdentifiedSurface::PageHeight() const {
    return paper_.PageHeight() - top_;
}

double IdentifiedSurface::PageWidth() const {
    return paper_.PageWidth();
}

void IdentifiedSurface::NewPage() {
    paper_.NewPage();
    ResetPosition();
    PrintIdentity();
}

void IdentifiedSurface::PaintPicture(const QImage& picture) {
    paper_.SetCurrentX(CurrentX());
    paper_.SetCurrentY(CurrentY() + top_);
    paper_.PaintPicture(picture);
}

void IdentifiedSurface::EndDoc() {
    paper_.EndDoc();
}

void IdentifiedSurface::DrawText(double x, double y, const QString& text) {
    paper_.SetCurrentX(x);
    paper_.SetCurrentY(y + top_);
    paper_.Print({text});
}

}  // namespace volvenza
