#pragma once
// What a printed report is checked with: a surface that records each line
// where it falls, the real one noting lines off the paper, and the text of a
// PDF as pdftotext reads it.

#include <QImage>
#include <QList>
#include <QPrinter>
#include <QProcess>
#include <QRectF>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <QTest>

#include "platform/PrinterSurface.h"
#include "platform/QtPrinterSurface.h"

namespace volvenza {

// Printable page heights in twips, as Qt gives them for a PDF: A4, Letter,
// A5, A4 landscape, A5 landscape; and A4's width.
inline constexpr double kPaperHeights[] = {16439, 15439, 11499, 11839, 7999};
inline constexpr double kA4Width = 10772;

// Monospace metrics: at 12 points a character is one unit wide and a line 240
// twips high, so print zones fall every 14 units; both scale with the font.
// A line whose bottom falls below the page height fails the test.
class RecordingSurface : public PrinterSurface {
  public:
    struct Text {
        int page, line;
        double x, y;
        QString text;
    };
    QList<Text> texts;
    int page = 1, ended = 0;
    double points = 12, pageHeight, pageWidth = kA4Width;
    QList<QImage> pictures;

    explicit RecordingSurface(double height = kPaperHeights[0]) : pageHeight(height) {}

    void SetFont(const QString&, double size) override { points = size; }
    void ScaleWidthTo100() override {}
    double TextWidth(const QString& t) const override { return t.size() * points / 12; }
    double LineHeight() const override { return 20 * points; }
    double PageHeight() const override { return pageHeight; }
    double PageWidth() const override { return pageWidth; }
    void NewPage() override {
        ++page;
        ResetPosition();
    }
    void PaintPicture(const QImage& p) override { pictures.append(p); }
    // The width a picture takes on paper, in twips.
    static double Twips(const QImage& p) { return p.width() / (p.dotsPerMeterX() * 0.0254) * 1440; }
    void EndDoc() override { ++ended; }

    // The texts of each printed line on a page, joined with "|" between zones.
    QStringList Lines(int onPage) const {
        QStringList lines;
        int last = -1;
        for (const Text& t : texts) {
            if (t.page != onPage) continue;
            while (lines.size() <= t.line) lines.append(QString());
            lines[t.line] += (t.line == last ? QStringLiteral("|") : QString()) + t.text;
            last = t.line;
        }
        return lines;
    }

  protected:
    void DrawText(double x, double y, const QString& text) override {
        QVERIFY2(y + LineHeight() <= pageHeight + 1e-6,
                 qPrintable(QStringLiteral("'%1' falls off page %2").arg(text).arg(page)));
        texts.append({page, qRound(y / LineHeight()), x, y, text});
    }
};

// The real printer surface, noting every line that would not be on paper.
class PaperCheckingSurface : public QtPrinterSurface {
  public:
    using QtPrinterSurface::QtPrinterSurface;
    QStringList offPage;
    QList<int> namesPerPage{0};

    void NewPage() override {
        QtPrinterSurface::NewPage();
        namesPerPage.append(0);
    }

  protected:
    void DrawText(double x, double y, const QString& text) override {
        if (y + LineHeight() > PageHeight() + 1e-6) offPage << text;
        if (text == "CILINDRO DOPPIO STELO") ++namesPerPage.last();
        QtPrinterSurface::DrawText(x, y, text);
    }
};

// The text of a PDF as pdftotext -layout lays it out (or as `how` says).
inline QString PdfText(const QString& pdf, const QString& how = "-layout") {
    QProcess p;
    p.start("pdftotext", {how, pdf, "-"});
    return p.waitForFinished(30000) ? QString::fromUtf8(p.readAllStandardOutput()) : QString();
}

// The words of a PDF, as pdftotext -bbox places them, that lie outside the
// printable area within 15 mm margins or over another word.
inline QStringList WordsOffOrOver(const QString& pdf) {
    static const QRegularExpression item(
        "<page width=\"([\\d.]+)\" height=\"([\\d.]+)\"|<word xMin=\"([\\d.]+)\" "
        "yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\">([^<]*)<");
    constexpr double margin = 15 / 25.4 * 72 - 0.5;
    QStringList faults;
    QRectF area;
    QList<QRectF> page;
    for (const auto& m : item.globalMatch(PdfText(pdf, "-bbox"))) {
        const auto at = [&](int i) { return m.captured(i).toDouble(); };
        if (m.capturedLength(1) > 0) {
            area = QRectF(margin, margin, at(1) - 2 * margin, at(2) - 2 * margin);
            page.clear();
            continue;
        }
        const QRectF box(QPointF(at(3), at(4)), QPointF(at(5), at(6)));
        if (!area.contains(box)) faults << m.captured(7) + " off the page";
        for (const QRectF& other : page) {
            if (box.adjusted(0.5, 1, -0.5, -1).intersects(other)) faults << m.captured(7) + " over";
        }
        page << box;
    }
    return faults;
}

// A printer writing a PDF to `path` on that paper.
inline void ToPdf(QPrinter& printer, const QString& path,
                  QPageSize::PageSizeId size = QPageSize::A4,
                  QPageLayout::Orientation orientation = QPageLayout::Portrait) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setPageSize(QPageSize(size));
    printer.setPageOrientation(orientation);
}

// Rows of a table as pdftotext -layout writes them: a number first, then
// two blanks or more; the recommended row marked with "*" before it.
inline const QRegularExpression kCellRow("^\\s*(\\*\\s+)?-?\\d+([.,]\\d+)?\\s{2,}");

// Where the cells of a line end: cells lie two blanks or more apart.
inline QList<qsizetype> CellEnds(const QString& line) {
    static const QRegularExpression cell("\\S+(?: \\S+)*");
    QList<qsizetype> ends;
    for (const auto& m : cell.globalMatch(line))
        if (m.captured() != "*") ends << m.capturedEnd();
    return ends;
}

// The table rows whose cells do not each end where a heading of the line
// above the rows ends (headings stand on a common last line, right-aligned
// like the cells).
inline QStringList MisalignedCells(const QString& text) {
    const QStringList lines = text.split('\n');
    QStringList faults;
    QList<qsizetype> headings;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        if (!kCellRow.match(lines[i]).hasMatch()) continue;
        if (!kCellRow.match(lines[i - 1]).hasMatch()) headings = CellEnds(lines[i - 1]);
        if (CellEnds(lines[i]) != headings) faults << lines[i - 1] << lines[i];
    }
    return faults;
}

}  // namespace volvenza
