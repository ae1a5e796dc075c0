#include "report/SizingReport.h"

#include <algorithm>

#include <QCoreApplication>
#include <QStringList>

#include "messages/WindowWords.h"
#include "platform/UiMessage.h"
#include "sizing/AnswerText.h"

namespace volvenza {
namespace {

using namespace sizing;

const QString kFont = QStringLiteral("Courier");
constexpr double kPoints = 10;
constexpr double kLeft = 2;  // units of the page's width (100)
constexpr double kRight = 98;

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

// Lines under the print header, on as many pages as they need; text placed
// at positions across the line.
class Page {
  public:
    Page(PrinterSurface& s, const QString& header) : s_(s), header_(header) { Heading(); }

    // Pieces of one line, each at its own position.
    void Line(const std::vector<std::pair<double, QString>>& pieces = {}) {
        Room(1);
        const double y = s_.CurrentY();
        for (const auto& [x, text] : pieces) {
            s_.SetCurrentY(y);
            s_.SetCurrentX(x);
            s_.Print({text});
        }
        s_.SetCurrentY(y + s_.LineHeight());
        s_.SetCurrentX(0);
    }
    // Text broken at blanks to the page width; the blanks it starts with
    // indent every line of it.
    void Paragraph(const QString& text) {
        qsizetype lead = 0;
        while (lead < text.size() && text[lead] == QLatin1Char(' ')) ++lead;
        const double x = kLeft + s_.TextWidth(text.left(lead));
        QString line;
        for (const QString& word : text.mid(lead).split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            const QString longer = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
            if (!line.isEmpty() && x + s_.TextWidth(longer) > kRight) {
                Line({{x, line}});
                line = word;
            } else {
                line = longer;
            }
        }
        Line({{x, line}});
    }
    // Starts a new page unless `lines` more fit on this one; true when it did.
    bool Room(int lines) {
        if (s_.CurrentY() + lines * s_.LineHeight() <= s_.PageHeight()) return false;
        s_.NewPage();
        Heading();
        return true;
    }
    double Width(const QString& text) const { return s_.TextWidth(text); }

  private:
    void Heading() {
        s_.SetFont(kFont, kPoints);
        s_.ScaleWidthTo100();
        s_.SetCurrentX(50 - s_.TextWidth(header_) / 2);
        s_.Print({header_});
        s_.Print();
    }
    PrinterSurface& s_;
    QString header_;
};

// The heading's words in lines no wider than `width`.
QStringList WrapWords(const QString& text, double width, const Page& page) {
    QStringList lines;
    for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (!lines.isEmpty() && page.Width(lines.back() + QLatin1Char(' ') + word) <= width) {
            lines.back() += QLatin1Char(' ') + word;
        } else {
            lines << word;
        }
    }
    return lines;
}

// A table with every cell right-aligned under its heading, the headings
// wrapped to their column and standing on a common last line. Columns that
// do not fit beside the others go on in a further block, which repeats the
// first column so each row can still be told apart.
void PrintTable(Page& page, const AnswerTable& table) {
    if (table.Headings.empty()) return;
    const size_t columns = table.Headings.size();
    const double gap = page.Width(QStringLiteral("   "));
    const double mark = page.Width(QStringLiteral("* "));
    std::vector<double> widths(columns, 0);
    for (size_t c = 0; c < columns; ++c) {
        for (const QString& word :
             Text(table.Headings[c]).split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            widths[c] = std::max(widths[c], page.Width(word));
        }
        for (const auto& row : table.Rows) {
            if (c < row.size()) widths[c] = std::max(widths[c], page.Width(Text(row[c])));
        }
        // Never wider than the page, however long a cell.
        widths[c] = std::min(widths[c], kRight - kLeft - mark - gap - widths[0]);
    }
    std::vector<std::vector<size_t>> blocks{{0}};
    double used = kLeft + mark + widths[0];
    for (size_t c = 1; c < columns; ++c) {
        if (used + gap + widths[c] > kRight) {
            blocks.push_back({0});
            used = kLeft + mark + widths[0];
        }
        blocks.back().push_back(c);
        used += gap + widths[c];
    }
    for (size_t b = 0; b < blocks.size(); ++b) {
        const std::vector<size_t>& block = blocks[b];
        std::vector<double> rights;
        std::vector<QStringList> headings;
        double x = kLeft + mark;
        for (size_t c : block) {
            x += widths[c];
            rights.push_back(x);
            x += gap;
            headings.push_back(WrapWords(Text(table.Headings[c]), widths[c], page));
        }
        int depth = 0;
        for (const QStringList& h : headings) depth = std::max(depth, int(h.size()));
        const auto printHeadings = [&] {
            for (int line = 0; line < depth; ++line) {
                std::vector<std::pair<double, QString>> pieces;
                for (size_t i = 0; i < block.size(); ++i) {
                    const int skip = depth - int(headings[i].size());
                    if (line < skip) continue;
                    const QString& text = headings[i][line - skip];
                    pieces.emplace_back(rights[i] - page.Width(text), text);
                }
                page.Line(pieces);
            }
        };
        // The headings with at least the first row under them.
        if (b > 0) page.Line();
        page.Room(depth + 1);
        printHeadings();
        for (size_t r = 0; r < table.Rows.size(); ++r) {
            // Rows on a new page under their headings again.
            if (page.Room(1)) printHeadings();
            std::vector<std::pair<double, QString>> pieces;
            if (table.Highlighted && *table.Highlighted == r) {
                pieces.emplace_back(kLeft, QStringLiteral("*"));
            }
            for (size_t i = 0; i < block.size(); ++i) {
                const auto& row = table.Rows[r];
                if (block[i] >= row.size()) continue;
                const QString text = Text(row[block[i]]);
                pieces.emplace_back(rights[i] - page.Width(text), text);
            }
            page.Line(pieces);
        }
    }
}

}  // namespace

void PrintSizingReport(PrinterSurface& surface, const QString& printHeader, const Requirements& req,
                       const SizingAnswer& answer, const CircuitData& data, bool stale) {
    const AnswerLayout layout = LayOutAnswer(answer, req, data, UiWording());
    Page page(surface, printHeader);
    page.Line({{kLeft, Text(layout.Title)}});
    // The identity line and the figures are those the search used: a page
    // printed after the design changed says so, in the window's words.
    if (stale) {
        page.Paragraph(QCoreApplication::translate(kSizingContext, kStaleNote));
    }
    page.Line();
    for (const auto& [label, value] : layout.Requirements) {
        page.Paragraph(Text(label) + QStringLiteral(": ") + Text(value));
    }
    page.Line();
    PrintTable(page, layout.Catalogue);
    page.Line();
    for (const std::string& sentence : layout.Recommendation) page.Paragraph(Text(sentence));
    if (!layout.Precharge.Rows.empty()) {
        page.Line();
        PrintTable(page, layout.Precharge);
    }
    if (!layout.Candidates.Rows.empty()) {
        page.Line();
        PrintTable(page, layout.Candidates);
        if (layout.Candidates.Highlighted) {
            page.Paragraph(QCoreApplication::translate("volvenza::SizingReport",
                                                       "* la grandezza raccomandata"));
        }
        page.Line();
        for (const std::string& line : layout.Legend) page.Paragraph(Text(line));
    }
    if (!layout.Explanations.empty()) {
        page.Line();
        page.Paragraph(Text(layout.ExplanationsHeading));
        for (const std::string& line : layout.Explanations) page.Paragraph(Text(line));
    }
    surface.EndDoc();
}

}  // namespace volvenza
