#include "report/CycleReport.h"

#include <algorithm>
#include <cmath>

#include <QCoreApplication>
#include <QPainter>

#include "numbers/NumberText.h"
#include "platform/Language.h"
#include "views/CycleColours.h"
#include "views/MovementText.h"

namespace volvenza {
namespace {

// A page of ours, set to be read: a proportional face, never below 8 points.
const QString kFont = QStringLiteral("Sans");
// The table's font starts at this size and shrinks until every column fits;
// at the smallest the kinds' names break into lines to make room.
constexpr double kLargestPoints = 10, kSmallestPoints = 8;
// Space between columns, in hundredths of the width.
constexpr double kGap = 1.5;

QString Report(const char* source) {
    return QCoreApplication::translate("volvenza::Report", source);
}

QString Num(double v) {
    return QString::fromStdString(FormatNumber(RoundHalfEven(v, 4), UiDecimalSeparator()));
}

// The table's columns after the number and the kind: the field, and the
// kinds whose movements use it (times and flow: all).
struct SizeColumn {
    const char* header;
    float Movement::*field;
    std::initializer_list<int16_t> kinds;
};
const SizeColumn kSizes[] = {
    {"D [mm]", &Movement::BoreDiameter, {1, 2, 3, 6}},
    {"d [mm]", &Movement::RodDiameter, {2, 3, 6, 7}},
    {"L [mm]", &Movement::Stroke, {1, 2, 6, 7}},
    {QT_TRANSLATE_NOOP("volvenza::Report", "C [cm3/giro]"), &Movement::Displacement, {4}},
    {"N [rpm]", &Movement::Speed, {4}},
    {"CU [cm3/°]", &Movement::UnitDisplacement, {5}},
    {"AR [°]", &Movement::RotationAngle, {5}},
};

QStringList HeaderCells() {
    QStringList cells{QStringLiteral("N."), Report(QT_TRANSLATE_NOOP("volvenza::Report", "Tipo")),
                      QStringLiteral("Ti [sec]"), QStringLiteral("Tf [sec]")};
    for (const SizeColumn& size : kSizes) cells << Report(size.header);
    return cells << QStringLiteral("Qm [dm3/min]");
}

QStringList RowCells(const Movement& m, int number) {
    // The numbers as the cycle table shows them, so that print and screen agree.
    QStringList cells{QString::number(number), KindTitle(m.Kind), MovementNumber(m.Ti),
                      MovementNumber(m.Tf)};
    for (const SizeColumn& size : kSizes) {
        const bool used =
            std::find(size.kinds.begin(), size.kinds.end(), m.Kind) != size.kinds.end();
        cells << (used ? MovementNumber(m.*size.field) : QString());
    }
    // A flow over no time, or no finite number, is not printed as one.
    return cells << (std::isfinite(m.Qm) && (m.Ti != m.Tf || m.Qm == 0) ? MovementNumber(m.Qm)
                                                                        : QString());
}

// A cell's text in lines no wider than `width`, broken at blanks.
QStringList CellLines(const PrinterSurface& s, const QString& text, double width) {
    QStringList lines;
    for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (!lines.isEmpty() && s.TextWidth(lines.back() + QLatin1Char(' ') + word) <= width) {
            lines.back() += QLatin1Char(' ') + word;
        } else {
            lines << word;
        }
    }
    return lines.isEmpty() ? QStringList{QString()} : lines;
}

int CellDepth(const PrinterSurface& s, const QStringList& cells,
              const std::vector<double>& widths) {
    int depth = 1;
    for (qsizetype c = 0; c < cells.size(); ++c) {
        depth = std::max(depth, static_cast<int>(CellLines(s, cells[c], widths[c]).size()));
    }
    return depth;
}

// One row of cells, each column from its left edge, numbers to the right,
// a text too wide for its column on further lines.
void PrintCells(PrinterSurface& s, const QStringList& cells, const std::vector<double>& lefts,
                const std::vector<double>& widths, bool header) {
    const double y = s.CurrentY();
    for (qsizetype c = 0; c < cells.size(); ++c) {
        const bool right = !header && c != 1;
        const QStringList lines = CellLines(s, cells[c], widths[c]);
        for (qsizetype l = 0; l < lines.size(); ++l) {
            s.SetCurrentX(right ? lefts[c] + widths[c] - s.TextWidth(lines[l]) : lefts[c]);
            s.SetCurrentY(y + l * s.LineHeight());
            s.Print({lines[l]});
        }
    }
    s.SetCurrentY(y + CellDepth(s, cells, widths) * s.LineHeight());
}

void Heading(PrinterSurface& s, const QString& header, double points) {
    s.SetFont(kFont, points);
    s.ScaleWidthTo100();
    const double top = s.CurrentY();
    s.SetCurrentX(50 - s.TextWidth(header) / 2);
    s.Print({header});
    s.SetCurrentY(top + 3 * s.LineHeight());
}

// 1, 2 or 5 times a power of ten: the smallest such step that puts at most
// `most` steps into `span`.
double NiceStep(double span, int most) {
    const double raw = span / std::max(most, 1);
    if (!(raw > 0) || !std::isfinite(raw)) return 1;
    const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
    for (double multiple : {1.0, 2.0, 5.0}) {
        if (multiple * magnitude >= raw) return multiple * magnitude;
    }
    return 10 * magnitude;
}

}  // namespace

void PrintCycleReport(PrinterSurface& s, const CircuitState& state, const QString& printHeader) {
    const int count = std::clamp<int>(state.MovementCount, 0, kMaxMovements);
    std::vector<QStringList> rows{HeaderCells()};
    for (int k = 1; k <= count; ++k) rows.push_back(RowCells(state.Movements[k], k));
    // The largest font whose widest cells, column by column, fill at most
    // the page's width.
    std::vector<double> widths(rows.front().size());
    double points = kLargestPoints, gap = kGap;
    const auto longestWord = [&](const QString& text) {
        double longest = 0;
        for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            longest = std::max(longest, s.TextWidth(word));
        }
        return longest;
    };
    for (;; points -= 0.5) {
        s.SetFont(kFont, points);
        s.ScaleWidthTo100();
        std::fill(widths.begin(), widths.end(), 0);
        for (const QStringList& row : rows) {
            for (qsizetype c = 0; c < row.size(); ++c) {
                widths[c] = std::max(widths[c], s.TextWidth(row[c]));
            }
        }
        double total = gap * (widths.size() - 1);
        for (double w : widths) total += w;
        if (total <= 100) break;
        if (points <= kSmallestPoints) {
            // The headings break into their words and the kinds' names take
            // what the other columns leave, down to their longest word; on
            // paper narrower still, the columns close up.
            total = 0;
            for (size_t c = 0; c < widths.size(); ++c) {
                widths[c] = longestWord(rows.front()[c]);
                for (size_t r = 1; r < rows.size(); ++r) {
                    widths[c] = std::max(
                        widths[c], c == 1 ? longestWord(rows[r][c]) : s.TextWidth(rows[r][c]));
                }
                total += widths[c];
            }
            const double gaps = widths.size() - 1;
            gap = std::clamp((100 - total) / gaps, kGap / 3, kGap);
            widths[1] += std::max(0.0, 100 - total - gap * gaps);
            break;
        }
    }
    std::vector<double> lefts{0};
    for (size_t c = 1; c < widths.size(); ++c) lefts.push_back(lefts.back() + widths[c - 1] + gap);

    Heading(s, printHeader, points);
    PrintCells(s, rows.front(), lefts, widths, true);
    for (size_t r = 1; r < rows.size(); ++r) {
        if (s.CurrentY() + CellDepth(s, rows[r], widths) * s.LineHeight() > s.PageHeight()) {
            s.NewPage();
            Heading(s, printHeader, points);
            PrintCells(s, rows.front(), lefts, widths, true);
        }
        PrintCells(s, rows[r], lefts, widths, false);
    }
    const CycleTiming timing =
        ComputeCycleTiming(state, count, state.Data.CycleTime, state.Data.Qp);
    s.SetCurrentY(s.CurrentY() + s.LineHeight());
    if (s.CurrentY() + s.LineHeight() > s.PageHeight()) {
        s.NewPage();
        Heading(s, printHeader, points);
    }
    s.SetCurrentX(0);
    s.Print({Report(QT_TRANSLATE_NOOP("volvenza::Report", "Qt massima: ")) + Num(timing.peak) +
             "  [dm3/min]    Qp: " + Num(timing.pump) + "  [dm3/min]"});

    s.NewPage();
    Heading(s, printHeader, points);
    // The rest of the page at 96 dots per inch: 15 twips to the dot.
    const double room = s.PageHeight() - s.CurrentY();
    s.PaintPicture(CycleTimingPicture(
        timing, QSize(static_cast<int>(s.PageWidth() / 15), static_cast<int>(room / 15))));
    s.EndDoc();
}

QImage CycleTimingPicture(const CycleTiming& timing, QSize size) {
    QImage image(size.expandedTo(QSize(100, 100)), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QFont font(QStringLiteral("Sans"));
    font.setPixelSize(11);
    p.setFont(font);
    const QFontMetricsF metrics(font);
    const double text = metrics.height();
    const double width = image.width(), height = image.height();
    const int rows = static_cast<int>(timing.bars.size());

    const double left = metrics.horizontalAdvance(QStringLiteral("00000,0")) + 8;
    const double right = width - metrics.horizontalAdvance(QStringLiteral("Qp")) - 10;
    // The lanes as tall as a line of text while they fit in 60 % of the
    // page, the flow panel a third of the page below them, then the axis.
    const double room = height - 2 * text - 16;
    const double lane = rows > 0 ? std::min(room * 0.6 / rows, text + 6) : text;
    const double flowTop = 4 + std::max(rows, 1) * lane + text + 8;
    const double flowBottom = flowTop + std::max(room / 3, 3 * text);
    const double axis = flowBottom + 2;
    const double t0 = timing.start, t1 = timing.end;
    auto x = [&](double t) { return left + (t - t0) / (t1 - t0) * (right - left); };
    double q1 = std::max(timing.pump, timing.peak);
    double q0 = 0;
    for (const TimingStep& step : timing.steps) q0 = std::min(q0, step.flow);
    q1 = q1 > q0 ? q1 + (q1 - q0) * 0.08 : q0 + 1;
    auto y = [&](double q) { return flowBottom - (q - q0) / (q1 - q0) * (flowBottom - flowTop); };
    const QColor ink(40, 52, 70), curve(30, 110, 190), pump(40, 150, 70);

    // Time axis and grid.
    const double step = NiceStep(t1 - t0, std::max(1, static_cast<int>((right - left) / 60)));
    for (double k = std::ceil(t0 / step - 1e-9); k * step <= t1 + step * 1e-9; ++k) {
        const double t = k * step, at = x(t);
        p.setPen(QColor(225, 228, 234));
        p.drawLine(QPointF(at, 4), QPointF(at, axis));
        p.setPen(ink);
        const QString label = Num(t == 0 ? 0.0 : t);
        p.drawText(QPointF(at - metrics.horizontalAdvance(label) / 2, axis + 4 + metrics.ascent()),
                   label);
    }
    p.setPen(ink);
    p.drawLine(QPointF(left, axis), QPointF(right, axis));
    p.drawText(QPointF(2, axis + 4 + metrics.ascent()), QStringLiteral("t [s]"));

    // Lanes: the bar of each movement, its number and flow where they fit.
    for (int r = 0; r < rows; ++r) {
        const TimingBar& b = timing.bars[r];
        const double top = 4 + r * lane;
        if (!b.lasts) continue;  // ends before it starts: no bar, as on screen
        const QRectF rect(
            QPointF(x(std::min(b.start, b.end)), top + lane * 0.1),
            QPointF(std::max(x(std::max(b.start, b.end)), x(std::min(b.start, b.end)) + 2),
                    top + lane * 0.9));
        p.setPen(lane >= 4 ? QPen(ink, 0.5) : Qt::NoPen);
        // The kind's colour, as the window's diagram has it.
        p.setBrush(KindColour(b.kind));
        p.drawRect(rect);
        if (lane >= text) {
            const QString number = QString::number(b.number);
            p.drawText(QPointF(left - 4 - metrics.horizontalAdvance(number),
                               top + (lane - text) / 2 + metrics.ascent()),
                       number);
            const QString flow = b.flowShown ? Num(b.flow) : QString();
            if (metrics.horizontalAdvance(flow) + 6 <= rect.width()) {
                p.drawText(QPointF(rect.left() + 3, top + (lane - text) / 2 + metrics.ascent()),
                           flow);
            }
        }
    }
    p.setBrush(Qt::NoBrush);

    // The total flow against the pump's delivery, shaded where it exceeds it.
    for (size_t i = 0; i < timing.steps.size(); ++i) {
        const TimingStep& s = timing.steps[i];
        if (!(s.flow > timing.pump)) continue;
        const double to = i + 1 < timing.steps.size() ? timing.steps[i + 1].time : t1;
        p.fillRect(QRectF(QPointF(x(s.time), y(s.flow)), QPointF(x(to), y(timing.pump))),
                   QColor(255, 196, 196));
    }
    QPolygonF line{{x(t0), y(0)}};
    double flow = 0;
    for (const TimingStep& s : timing.steps) {
        line << QPointF(x(s.time), y(flow));
        flow = s.flow;
        line << QPointF(x(s.time), y(flow));
    }
    line << QPointF(x(t1), y(flow));
    p.setPen(QPen(curve, 1.5));
    p.drawPolyline(line);
    p.setPen(QPen(pump, 1.5));
    p.drawLine(QPointF(left, y(timing.pump)), QPointF(right, y(timing.pump)));
    p.drawText(QPointF(right + 4, y(timing.pump) + metrics.ascent() / 2), QStringLiteral("Qp"));
    p.setPen(ink);
    p.drawLine(QPointF(left, flowTop), QPointF(left, flowBottom));
    p.drawText(QPointF(left + 2, flowTop - 4), QStringLiteral("Qt [dm3/min]"));
    for (double q : {0.0, timing.peak}) {
        const QString label = Num(q);
        p.drawText(
            QPointF(left - 4 - metrics.horizontalAdvance(label), y(q) + metrics.ascent() / 2),
            label);
    }
    return image;
}

}  // namespace volvenza
