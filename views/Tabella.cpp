#include "views/Tabella.h"

#include <algorithm>

#include <QHeaderView>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScrollBar>
#include <QTableView>

#include "platform/ResultsNote.h"
#include "platform/ScreenUnits.h"
#include "platform/TextFit.h"
#include "views/ResultsTableModel.h"

namespace volvenza {

namespace {
const char* const kTitle = QT_TRANSLATE_NOOP("volvenza::Tabella", "Tabella");
constexpr int kColumnWidth = 1300;  // twips
}  // namespace

Tabella::Tabella(CircuitState& state, Dialogs&, QWidget* parent) : QWidget(parent), state_(state) {
    setObjectName(QStringLiteral("Tabella"));
    setWindowTitle(tr(kTitle));

    model_ = new ResultsTableModel(this);
    grid_ = new QTableView(this);
    grid_->setObjectName(QStringLiteral("DataGrid1"));
    grid_->setModel(model_);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->verticalHeader()->hide();
    grid_->horizontalHeader()->setHighlightSections(false);
    QFont font(QStringLiteral("Sans Serif"), 8);
    font.setStyleHint(QFont::SansSerif);
    grid_->setFont(font);
    grid_->horizontalHeader()->setFont(font);
    // Rows of one line, so the longest run needs no per-row measuring.
    grid_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid_->verticalHeader()->setDefaultSectionSize(QFontMetrics(font).height() + 4);
    grid_->setGeometry(TwipsRect(240, 240, 7335, 5775, this));
    // The longest header, "Qs(T)=Qt(T)-Qp", whole in its column: a narrow
    // face, smaller still should it need to be.
    QHeaderView* header = grid_->horizontalHeader();
    const int margin = header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
    QStringList headers;
    for (int c = 0; c < ResultsTableModel::kColumns; ++c) {
        headers << model_->headerData(c, Qt::Horizontal).toString();
    }
    header->setFont(FittedFont(NarrowFont(font), headers,
                               {TwipsToPixels(kColumnWidth, this) - 2 * margin - 1, 1000},
                               Qt::TextSingleLine, *header));

    note_ = MakeResultsNote(this);
    resize(TwipsRect(0, 0, 9285, 6105, this).size());
    move(TwipsRect(100, 100, 0, 0, this).topLeft());
}

void Tabella::ShowResultsNote(const QString& note, bool stale) {
    volvenza::ShowResultsNote(note_, note, stale);
}

void Tabella::FillResultsTable() {
    model_->Fill(state_);
    const int width = TwipsToPixels(kColumnWidth, this);
    for (int c = 0; c < ResultsTableModel::kColumns; ++c) grid_->setColumnWidth(c, width);
    grid_->setCurrentIndex(model_->index(0, 0));
    if (placed_) WidenForColumns();
}

void Tabella::WidenForColumns() {
    // The classic law's five columns fit the window as it opens; only the
    // sixth asks for more, and never shrinks what the person chose.
    if (model_->columnCount() < ResultsTableModel::kColumns) return;
    auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget());
    QMdiArea* area = sub != nullptr ? sub->mdiArea() : nullptr;
    if (area == nullptr || sub->isMinimized() || sub->isMaximized()) return;
    const int grid = grid_->horizontalHeader()->length() +
                     grid_->verticalScrollBar()->sizeHint().width() + 2 * grid_->frameWidth();
    const int wanted = grid + TwipsToPixels(500, this) + (sub->width() - width());
    const int room = area->viewport()->width() - sub->x();
    const int target = std::min(wanted, std::max(room, sub->width()));
    if (target > sub->width()) sub->resize(target, sub->height());
}

void Tabella::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (placed_) return;
    placed_ = true;
    // The window opens 100 twips in, 7600 twips wide and as high as the main
    // window's client area less 200 twips.
    if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget())) {
        if (QMdiArea* area = sub->mdiArea()) {
            const int height = area->viewport()->height() - TwipsToPixels(200, this);
            sub->setGeometry(QRect(TwipsRect(100, 100, 0, 0, this).topLeft(),
                                   QSize(TwipsToPixels(7600, this), std::max(height, 0))));
        }
    }
    WidenForColumns();
}

void Tabella::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget());
    if (isMinimized() || (sub != nullptr && sub->isMinimized())) return;
    // A client area under 500 twips leaves the grid at no size.
    const int margin = TwipsToPixels(500, this);
    grid_->resize(std::max(width() - margin, 0), std::max(height() - margin, 0));
    note_->setGeometry(grid_->x(), grid_->geometry().bottom() + 1, grid_->width(),
                       std::max(height() - grid_->geometry().bottom() - 1, 0));
}

}  // namespace volvenza
