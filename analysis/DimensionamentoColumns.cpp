// The sizing window's tables fitted to their contents: columns as wide as
// their cells, headings wrapped, the answer's labels as tall as their text.

#include <algorithm>

#include <QHeaderView>
#include <QLabel>
#include <QLayout>
#include <QScrollArea>
#include <QStyle>
#include <QTableWidget>

#include "analysis/Dimensionamento.h"
#include "analysis/DimensionamentoParts.h"
#include "sizing/AnswerText.h"

namespace volvenza {
namespace {

using namespace sizing;
using namespace sizing_window;

// The heading broken at blanks into lines no wider than `width`.
QString WrapHeading(const QString& heading, const QFontMetrics& metrics, int width) {
    QStringList lines;
    for (const QString& word : heading.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (!lines.isEmpty() &&
            metrics.horizontalAdvance(lines.back() + QLatin1Char(' ') + word) <= width) {
            lines.back() += QLatin1Char(' ') + word;
        } else {
            lines << word;
        }
    }
    return lines.join(QLatin1Char('\n'));
}

// Columns as narrow as their cells and the longest word of their heading,
// the headings wrapped to them, so that the whole table shows at once; room
// to spare is shared out when asked.
void FitColumns(QTableWidget& table, const QStringList& headings, std::optional<int> boldRow,
                bool share) {
    const QFontMetrics metrics(table.font(), &table);
    QFont bold = table.font();
    bold.setBold(true);
    const QFontMetrics boldMetrics(bold, &table);
    const QHeaderView& header = *table.horizontalHeader();
    // Some styles draw headings bold.
    QFont headerFont = header.font();
    headerFont.setBold(true);
    const QFontMetrics headerMetrics(headerFont, &header);
    const int headerMargin =
        2 * header.style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, &header) + 4;
    const int cellMargin =
        2 * (table.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &table) + 1) + 6;
    std::vector<int> widths;
    for (int c = 0; c < table.columnCount(); ++c) {
        int width = 0;
        for (const QString& word : headings[c].split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            width = std::max(width, headerMetrics.horizontalAdvance(word) + headerMargin);
        }
        for (int r = 0; r < table.rowCount(); ++r) {
            const QFontMetrics& m = boldRow && *boldRow == r ? boldMetrics : metrics;
            if (const QTableWidgetItem* item = table.item(r, c)) {
                width = std::max(width, m.horizontalAdvance(item->text()) + cellMargin);
            }
        }
        widths.push_back(width);
    }
    int used = 0;
    for (int w : widths) used += w;
    // The width inside the frame less a vertical scroll bar, whether or not
    // one shows yet.
    const int spare = table.width() - 2 * table.frameWidth() -
                      table.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, &table) -
                      used;
    QStringList wrapped;
    for (int c = 0; c < table.columnCount(); ++c) {
        if (share && spare > 0) widths[c] += spare / table.columnCount();
        table.setColumnWidth(c, widths[c]);
        wrapped << WrapHeading(headings[c], headerMetrics, widths[c] - headerMargin);
    }
    table.setHorizontalHeaderLabels(wrapped);
}

}  // namespace

void Dimensionamento::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    FitAnswer();
}

void Dimensionamento::FitAnswer() {
    // Wrapped labels as tall as their text at the width they are given:
    // layouts do not ask them. Measured as narrow as the scroll bar that a
    // tall answer brings makes them, which comes only once they are placed.
    const int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, answerArea_);
    const int room = answerArea_->contentsRect().width() - scrollBar;
    for (QLabel* label : {recommendationText_, legend_}) {
        const int width = room > 0 ? std::min(room, label->width()) : label->width();
        label->setFixedHeight(label->text().isEmpty() ? 0 : label->heightForWidth(width));
    }
    // Placed at once, so the columns fit the table's new width.
    if (layout() != nullptr) layout()->activate();
    if (layout_) FitCandidateColumns();
}

void Dimensionamento::FitCandidateColumns() {
    const AnswerTable& t = layout_->Candidates;
    QStringList headings;
    for (const std::string& h : t.Headings) headings << Text(h);
    std::optional<int> recommended;
    if (t.Highlighted) recommended = static_cast<int>(*t.Highlighted);
    FitColumns(*candidates_, headings, recommended, true);
}

void Dimensionamento::FitCatalogueColumns() {
    FitColumns(*catalogue_, catalogueHeadings_, std::nullopt, false);
    // Room for a typed value in every column.
    const int room = catalogue_->fontMetrics().horizontalAdvance(QStringLiteral("0000,000"));
    for (int c = 0; c < kCatalogueCells; ++c) {
        catalogue_->setColumnWidth(c, std::max(catalogue_->columnWidth(c), room));
    }
}

}  // namespace volvenza
