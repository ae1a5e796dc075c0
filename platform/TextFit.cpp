#include "platform/TextFit.h"

#include <algorithm>

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>

namespace volvenza {
namespace {

// Qt's line edits keep this many pixels between their frame's inside and
// the text, on each side.
constexpr int kLineEditTextMargin = 2;

bool Fits(const QFont& font, const QStringList& texts, const QSize& room, int flags,
          const QPaintDevice& device) {
    const QFontMetricsF metrics(font, &device);
    if (metrics.height() > room.height()) return false;
    for (const QString& text : texts) {
        const QRectF needed = metrics.boundingRect(QRectF(0, 0, room.width(), 1e6),
                                                   flags | Qt::AlignLeft | Qt::AlignTop, text);
        if (needed.width() > room.width() || needed.height() > room.height()) return false;
    }
    return true;
}

}  // namespace

QFont FittedFont(QFont font, const QStringList& texts, const QSize& room, int flags,
                 const QPaintDevice& device, double smallest) {
    double size = font.pointSizeF() > 0 ? font.pointSizeF() : 8.0;
    for (; size > smallest; size -= 0.5) {
        font.setPointSizeF(size);
        if (Fits(font, texts, room, flags, device)) return font;
    }
    font.setPointSizeF(smallest);
    return font;
}

void FitLabelFont(QLabel& label, const QStringList& otherTexts) {
    const int flags = label.wordWrap() ? Qt::TextWordWrap : Qt::TextSingleLine;
    label.setFont(FittedFont(label.font(), QStringList{label.text()} + otherTexts,
                             LabelTextRoom(label), flags, label));
}

void FitLineEditFont(QLineEdit& box, const QStringList& texts) {
    box.setFont(FittedFont(box.font(), texts, LineEditTextRoom(box), Qt::TextSingleLine, box));
}

QFont NarrowFont(QFont font) {
    for (const char* family : {"Liberation Sans Narrow", "DejaVu Sans Condensed", "Arial Narrow"}) {
        if (QFontDatabase::hasFamily(QString::fromLatin1(family))) {
            font.setFamilies({QString::fromLatin1(family)});
            break;
        }
    }
    return font;
}

QSize LineEditTextRoom(const QLineEdit& box) {
    QStyleOptionFrame option;
    option.initFrom(&box);
    option.rect = box.rect();
    option.lineWidth =
        box.hasFrame() ? box.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &box) : 0;
    option.midLineWidth = 0;
    option.state |= QStyle::State_Sunken;
    option.features = QStyleOptionFrame::None;
    const QRect contents = box.style()
                               ->subElementRect(QStyle::SE_LineEditContents, &option, &box)
                               .marginsRemoved(box.textMargins());
    // Qt counts one pixel more than the text's width before it scrolls.
    return {std::max(0, contents.width() - 2 * kLineEditTextMargin - 1),
            std::max(0, contents.height())};
}

QSize LabelTextRoom(const QLabel& label) {
    const QRect contents = label.contentsRect().adjusted(label.margin(), label.margin(),
                                                         -label.margin(), -label.margin());
    const int indent = std::max(0, label.indent());
    const bool horizontalIndent = label.alignment() & (Qt::AlignLeft | Qt::AlignRight);
    return {std::max(0, contents.width() - (horizontalIndent ? indent : 0)),
            std::max(0, contents.height())};
}

void KeepTextClearOf(QLabel& label, const QWidget& next, int gapPixels) {
    const int overlap = label.geometry().right() + 1 - next.x();
    QMargins margins = label.contentsMargins();
    margins.setRight(std::max(0, overlap) + gapPixels);
    label.setContentsMargins(margins);
}

}  // namespace volvenza
