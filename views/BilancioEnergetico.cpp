#include "views/BilancioEnergetico.h"

#include <QGridLayout>
#include <QLabel>
#include <QMdiSubWindow>
#include <QVBoxLayout>

#include "platform/ResultsNote.h"
#include "platform/ScreenUnits.h"
#include "platform/UiMessage.h"
#include "views/EnergyBalanceText.h"

namespace volvenza {

BilancioEnergetico::BilancioEnergetico(CircuitState& state, Dialogs&, DutiesAsked duties,
                                       QWidget* parent)
    : QWidget(parent), state_(state), duties_(std::move(duties)) {
    setObjectName(QStringLiteral("BilancioEnergetico"));
    setWindowTitle(tr("Bilancio energetico"));
    auto* layout = new QVBoxLayout(this);
    title_ = new QLabel(EnergyBalanceTitle(), this);
    QFont bold = title_->font();
    bold.setBold(true);
    title_->setFont(bold);
    layout->addWidget(title_);
    empty_ = new QLabel(this);
    empty_->setObjectName(QStringLiteral("LNessunRisultato"));
    layout->addWidget(empty_);
    grid_ = new QGridLayout;
    grid_->setColumnStretch(0, 1);
    layout->addLayout(grid_);
    layout->addStretch(1);
    note_ = MakeResultsNote(this);
    note_->setWordWrap(true);
    layout->addWidget(note_);
    move(TwipsRect(400, 400, 0, 0, this).topLeft());
}

void BilancioEnergetico::ShowBalance(const std::optional<EnergyInputs>& inputs) {
    while (QLayoutItem* item = grid_->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    const Result<QList<EnergyRow>> balance =
        inputs ? EnergyBalanceRows(state_, *inputs) : QList<EnergyRow>();
    const bool refused = !balance;
    QList<EnergyRow> rows = balance ? *balance : QList<EnergyRow>();
    // The duties' verdicts do not depend on the balance's inputs: a balance
    // refused keeps them under why.
    if ((refused || !rows.isEmpty()) && duties_) {
        const auto [plan, p1] = duties_();
        rows += DutyRows(state_, plan, p1);
    }
    empty_->setText(refused ? UiMessage(balance.Error())
                    : state_.LastPoint > 0 && !inputs
                        ? tr("Il bilancio torna con la prossima simulazione.")
                        : tr("Nessun risultato: eseguire la simulazione."));
    empty_->setVisible(refused || rows.isEmpty());
    for (int r = 0; r < rows.size(); ++r) {
        auto* label = new QLabel(rows[r].label, this);
        auto* value = new QLabel(rows[r].value, this);
        value->setObjectName(QStringLiteral("LValore%1").arg(r));
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        grid_->addWidget(label, r, 0);
        grid_->addWidget(value, r, 1);
        // At once, not when the layout would: the frame grows to rows it can see.
        label->show();
        value->show();
    }
    Grow();
}

void BilancioEnergetico::Grow() {
    // Every row whole: the frame grows with the figures and the note, never
    // shrinks under the person's own size.
    QWidget* frame = qobject_cast<QMdiSubWindow*>(parentWidget()) ? parentWidget() : this;
    layout()->activate();
    frame->resize(frame->size().expandedTo(frame->sizeHint()));
}

void BilancioEnergetico::ShowResultsNote(const QString& note, bool stale) {
    volvenza::ShowResultsNote(note_, note, stale);
    Grow();
}

}  // namespace volvenza
